// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace zelmora {

// 式で入力: one box for a line's equation in χ and y ("2χ + 3y = 6", "χ = 3"), with an example and
// the reason an equation was refused, under the box. The equation goes to enter when accepted,
// which answers with the reason it was refused, or nothing when the line was drawn and the dialog
// closes. Window-modal.
class EquationDialog : public QDialog {
    Q_OBJECT

public:
    using Enter = std::function<std::optional<QString>(const QString& equation)>;

    EquationDialog(QWidget* parent, Enter enter);

    void accept() override;

private:
    Enter EnterEquation;
    QLineEdit* Box = nullptr;
    QLabel* Reason = nullptr;
};

} // namespace zelmora
