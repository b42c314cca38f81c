// SPDX-License-Identifier: MIT
#include "app/form/PanelBuilder.h"

#include "app/access/Accessibility.h"
#include "app/form/FocusRing.h"
#include "app/form/MessageLabel.h"
#include "app/form/OptionButton.h"
#include "app/form/PanelLayout.h"
#include "app/form/PictureBox.h"
#include "app/form/SentenceLabel.h"
#include "app/words/Look.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelmora {
namespace {

// The catalogue's context for the panel's captions and names.
struct Panel {
    Q_DECLARE_TR_FUNCTIONS(zelmora::Panel)
};

QColor colourOf(Colour colour)
{
    switch (colour) {
    case Colour::White:
        return look::White;
    case Colour::Green:
        return look::Green;
    case Colour::Olive:
        return look::Olive;
    case Colour::Blue:
        return look::Blue;
    case Colour::Yellow:
        return look::Yellow;
    case Colour::Standard:
        break;
    }
    return {};
}

QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The panel's words and names for the translators' catalogue, as the layout table writes them. Signs and
// numerals (ａ, ｂ, χ, ＋, the slot numbers) are the same in every language and not listed. lupdate reads
// only narrow string literals, and the table's are UTF-16 (the size buttons' names are even put together
// from the plane sizes' names), so they are marked here; caption() translates them where they are shown.
[[maybe_unused]] constexpr const char* panelWords[] = {
    QT_TRANSLATE_NOOP("zelmora::Panel", "初期画面"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "座標平面の大きさ"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "小"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "中"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "大"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "１～８本の線が引けます。"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "番号の○にチェックし，"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "ａ，ｂの値と変域をいれて"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "「線を引く」で描きます。"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "ａ，ｂは，分数でもよいです。　　　　　　分数の入力は，－２／３と入力します。"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線を引く"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線を消す"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "終　了"),
    // The names a screen reader says for controls whose caption is a sign or says it otherwise.
    QT_TRANSLATE_NOOP("zelmora::Panel", "座標平面"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "座標平面の大きさ 小"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "座標平面の大きさ 中"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "座標平面の大きさ 大"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線１"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線２"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線３"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線４"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線５"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線６"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線７"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "線８"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "変域の下限"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "変域の上限"),
    QT_TRANSLATE_NOOP("zelmora::Panel", "終了"),
};

// A caption of the layout table in the window's language.
QString caption(std::u16string_view words)
{
    return Panel::tr(text(words).toUtf8().constData());
}

template <typename Label> QWidget* makeLabel(const ControlRow& row, QWidget* form)
{
    auto* label = new Label(caption(row.Caption), form);
    label->setAlignment(row.Centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* makeButton(const ControlRow& row, QWidget* form)
{
    auto* button = new QPushButton(caption(row.Caption), form);
    // Enter and Return press the focused button, as they do in the desktop's own dialogs.
    button->setAutoDefault(true);
    return button;
}

QWidget* makeEntry(QWidget* form)
{
    auto* entry = new QLineEdit(form);
    entry->setTextMargins(0, 0, 0, 0);
    tellFocusFirst(entry);
    return entry;
}

QWidget* make(const ControlRow& row, QWidget* form)
{
    switch (row.Kind) {
    case ControlKind::Picture:
        return new PictureBox(form);
    case ControlKind::Panel:
        return new QWidget(form);
    case ControlKind::SentenceLabel:
        return makeLabel<SentenceLabel>(row, form);
    case ControlKind::MessageLabel:
        return makeLabel<MessageLabel>(row, form);
    case ControlKind::Button:
        return makeButton(row, form);
    case ControlKind::Option:
        return new OptionButton(caption(row.Caption), form);
    case ControlKind::Entry:
        return makeEntry(form);
    case ControlKind::AxisName:
    case ControlKind::Label:
        break;
    }
    return makeLabel<QLabel>(row, form);
}

// Labels and the panel paint their own background; an option button paints its background with
// the button colour.
void setColours(QWidget* widget, const ControlRow& row)
{
    if (row.Background == Colour::Standard)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colourOf(row.Text));
    palette.setColor(QPalette::Window, colourOf(row.Background));
    if (row.Kind == ControlKind::Option)
        palette.setColor(QPalette::Button, colourOf(row.Background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

QWidget* PanelWidgets::control(std::string_view name) const
{
    const auto rows = panelLayout();
    for (std::size_t k = 0; k < rows.size() && k < Controls.size(); ++k) {
        if (rows[k].Name == name)
            return Controls[k];
    }
    return nullptr;
}

PanelWidgets buildPanel(QWidget* form)
{
    form->setFixedSize(FormWidth, FormHeight);
    QPalette green = form->palette();
    green.setColor(QPalette::WindowText, look::White);
    green.setColor(QPalette::Window, look::Green);
    form->setPalette(green);
    form->setAutoFillBackground(true);

    PanelWidgets made;
    for (const ControlRow& row : panelLayout()) {
        QWidget* widget = make(row, form);
        made.Controls.push_back(widget);
        widget->setObjectName(QString::fromLatin1(row.Name.data(), static_cast<qsizetype>(row.Name.size())));
        widget->setGeometry(row.Place.Left, row.Place.Top, row.Place.Width, row.Place.Height);
        if (row.Points > 0)
            widget->setFont(look::font(row.Points, row.Bold));
        if (!row.AccessibleName.empty())
            widget->setAccessibleName(caption(row.AccessibleName));
        setColours(widget, row);
        if (row.Kind == ControlKind::Panel)
            markAsDecoration(widget);
        if (row.Kind == ControlKind::MessageLabel)
            widget->hide();
    }
    // The labels over the a and b boxes name them for a screen reader too.
    const auto buddy = [&made](std::string_view label, std::string_view box) {
        static_cast<QLabel*>(made.control(label))->setBuddy(made.control(box));
    };
    buddy("Label8_0", "Text1");
    buddy("Label8_1", "Text2");
    made.Speaker = new Announcer(form);
    // Above every control: the ring round whichever has the focus.
    markAsDecoration(new FocusRing(form));
    return made;
}

} // namespace zelmora
