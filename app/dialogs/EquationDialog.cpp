// SPDX-License-Identifier: MIT
#include "app/dialogs/EquationDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {

EquationDialog::EquationDialog(QWidget* parent, Enter enter)
    : QDialog(parent)
    , EnterEquation(std::move(enter))
{
    setObjectName(u"EquationDialog"_s);
    setWindowTitle(tr("式で入力"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("直線の式(&F)："), this);
    Box = new QLineEdit(this);
    Box->setObjectName(u"EquationBox"_s);
    caption->setBuddy(Box);
    Box->setAccessibleName(tr("直線の式"));
    auto* example = new QLabel(tr("例：2χ + 3y = 6　χ = 3　y = −2/3χ + 1 (−3 ≦ χ ≦ 3)　χ = 3 (−2 ≦ y ≦ 5)\n"
                                  "χ は x でも入力できます（全角でも）。変域は「,」のあとか ( ) の中に書きます。\n"
                                  "端を含まないときは「<」で書きます（−3 < χ ≦ 3）。"),
        this);
    Reason = new QLabel(this);
    Reason->setObjectName(u"EquationReason"_s);
    Reason->setStyleSheet(u"color: #b00000"_s);
    Reason->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("線を引く"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The reason goes as soon as the equation is changed.
    connect(Box, &QLineEdit::textEdited, Reason, &QWidget::hide);
    layout->addWidget(caption);
    layout->addWidget(Box);
    layout->addWidget(example);
    layout->addWidget(Reason);
    layout->addWidget(buttons);
    Box->setMinimumWidth(360);
}

void EquationDialog::accept()
{
    const auto refused = EnterEquation(Box->text());
    if (!refused) {
        QDialog::accept();
        return;
    }
    // Nothing changed: the equation stays to be mended, wholly selected.
    Reason->setText(*refused);
    Reason->show();
    Box->setFocus();
    Box->selectAll();
}

} // namespace zelmora
