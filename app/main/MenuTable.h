// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace zelmora {

// The menus of the menu bar, in their order.
enum class MenuOf { File, Edit, View, Practice, Help };

// One row of the main window's menus, from which the menus, their keys and the usage text's list
// of keys are all made. A row is an item (its caption with its access key, its keys and what it
// does), an item another part of the window owns and keeps its keys for (the picture's copy), a
// submenu or a few items made elsewhere (the recent files, the points), or, with nothing in it, a
// separator.
struct MenuRow {
    MenuOf Menu = MenuOf::File;
    QString Caption{};
    // The item's object name.
    QString Name{};
    QList<QKeySequence> Keys{};
    std::function<void()> Does{};
    bool Checkable = false;
    // Where the window keeps the item, to change it later.
    QAction** Kept = nullptr;
    // Shown with the caption, keeping its own keys and deed.
    QAction* Adopted = nullptr;
    // Fills the submenu named by the caption, or without a caption adds its items to the menu.
    std::function<void(QMenu*)> Part{};
};

// A menu of the menu bar: its caption and its object name (none when empty).
struct MenuTitle {
    QString Caption;
    QString Name;
};

// Adds the menus to the bar and the rows to them, in order, and answers the menus made. An item's
// keys act from every window of the program, the companions' too; what it does is done for context,
// and goes with it.
std::array<QMenu*, 5> buildMenuBar(
    QMenuBar* bar, const std::array<MenuTitle, 5>& menus, const std::vector<MenuRow>& rows, QObject* context);

// The rows' keys, each item with its keys as "keys name", in the rows' order: the item's name
// without its access key and ellipsis, several keys of one item joined by between, the items by
// separator. Parts made elsewhere have no keys of their own.
QString keyList(
    const std::vector<MenuRow>& rows, const QString& itemFormat, const QString& between, const QString& separator);

} // namespace zelmora
