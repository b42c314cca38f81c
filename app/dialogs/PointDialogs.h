// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zelmora {

// The dialogs of points: 点を入力… (a name and two coordinates), 点を消す… (a name), 2点を通る直線…
// (two names, and whether the line spans the plane) and 傾きと1点… (a slope and a point). Each is a
// few text boxes; the button hands their texts to the window, which answers with the reason it
// refused them, shown in the dialog while the boxes stay to be mended, or nothing, and the dialog
// closes.
class PointDialog : public QDialog {
    Q_OBJECT

public:
    // A box: its caption with its access key, its object name, the text it starts with.
    struct Field {
        QString Caption;
        QString Name;
        QString Text;
    };
    using Enter = std::function<std::optional<QString>(const QStringList& texts, bool checked)>;

    // check: the caption of a check box under the boxes, none when empty.
    PointDialog(QWidget* parent, const QString& title, const std::vector<Field>& fields, const QString& example,
        const QString& check, const QString& button, Enter enter);

    void accept() override;

private:
    Enter EnterTexts;
    std::vector<QLineEdit*> Boxes;
    QCheckBox* Check = nullptr;
    QLabel* Reason = nullptr;
};

} // namespace zelmora
