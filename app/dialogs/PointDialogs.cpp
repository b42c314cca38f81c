// SPDX-License-Identifier: MIT
#include "app/dialogs/PointDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {

PointDialog::PointDialog(QWidget* parent, const QString& title, const std::vector<Field>& fields,
    const QString& example, const QString& check, const QString& button, Enter enter)
    : QDialog(parent)
    , EnterTexts(std::move(enter))
{
    setObjectName(u"PointDialog"_s);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const Field& field : fields) {
        auto* box = new QLineEdit(field.Text, this);
        box->setObjectName(field.Name);
        auto* caption = new QLabel(field.Caption, this);
        caption->setBuddy(box);
        QString spoken = field.Caption;
        box->setAccessibleName(spoken.remove(u'&'));
        // The reason goes as soon as a box is changed.
        connect(box, &QLineEdit::textEdited, this, [this] { Reason->hide(); });
        form->addRow(caption, box);
        Boxes.push_back(box);
    }
    layout->addLayout(form);
    if (!example.isEmpty())
        layout->addWidget(new QLabel(example, this));
    if (!check.isEmpty()) {
        Check = new QCheckBox(check, this);
        Check->setObjectName(u"PointDialogCheck"_s);
        layout->addWidget(Check);
    }
    Reason = new QLabel(this);
    Reason->setObjectName(u"PointDialogReason"_s);
    Reason->setStyleSheet(u"color: #b00000"_s);
    Reason->hide();
    layout->addWidget(Reason);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(button);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PointDialog::accept()
{
    QStringList texts;
    for (const QLineEdit* box : Boxes)
        texts << box->text();
    const auto refused = EnterTexts(texts, Check != nullptr && Check->isChecked());
    if (!refused) {
        QDialog::accept();
        return;
    }
    Reason->setText(*refused);
    Reason->show();
    if (!Boxes.empty()) {
        Boxes.front()->setFocus();
        Boxes.front()->selectAll();
    }
}

} // namespace zelmora
