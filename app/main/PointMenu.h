// SPDX-License-Identifier: MIT
#pragma once

class QMenu;
class QWidget;

namespace zelmora {

class Form1;

// The 編集 menu's items of points: 点をとる (the mode on the picture), 点を入力…, 点を消す…,
// 2点を通る直線… and 傾きと1点…, each performed on the form's board and said.
void addPointItems(QMenu* edit, Form1* form, QWidget* window);
// 表の点をとる: the table of values' points, of the line drawn or chosen last, as points.
void addTablePointsItem(QMenu* view, Form1* form);

} // namespace zelmora
