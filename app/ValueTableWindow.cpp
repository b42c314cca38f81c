// SPDX-License-Identifier: MIT
#include "app/ValueTableWindow.h"

#include "app/Look.h"
#include "board/Board.h"
#include "board/Equation.h"
#include "board/LineFacts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString number(const mpq_class& value)
{
    return text(fractionText(value, Minus::Typographic));
}

QString point(const ExactPoint& at)
{
    return u"(%1, %2)"_s.arg(number(at.X), number(at.Y));
}

QChar slotDigit(int slot)
{
    return QChar(u'１' + slot);
}

// A fraction stacked as textbooks print it: numerator over a bar over the denominator.
QString stacked(const StackedFraction& fraction)
{
    return u"<table cellspacing=\"0\" cellpadding=\"0\" style=\"display: inline\"><tr><td align=\"center\" "
           "style=\"border-bottom: 1px solid black\">%1</td></tr><tr><td align=\"center\">%2</td></tr></table>"_s.arg(
               text(fraction.Numerator), text(fraction.Denominator));
}

QString equationHtml(const Equation& equation)
{
    QString cells;
    for (const EquationPart& part : equation.Parts) {
        if (const auto* run = std::get_if<std::string>(&part))
            cells += u"<td valign=\"middle\">%1</td>"_s.arg(text(*run).toHtmlEscaped().replace(u' ', u"&nbsp;"_s));
        else
            cells += u"<td valign=\"middle\">%1</td>"_s.arg(stacked(std::get<StackedFraction>(part)));
    }
    return u"<table cellspacing=\"0\" cellpadding=\"0\"><tr>%1</tr></table>"_s.arg(cells);
}

QString crossingText(int other, const Intersection& crossing)
{
    const QString with = u"線%1と："_s.arg(slotDigit(other));
    switch (crossing.Kind) {
    case IntersectionKind::Point:
        return with + point(*crossing.Point);
    case IntersectionKind::OutsideDomain:
        return with + u"変域の外で交わる "_s + point(*crossing.Point);
    case IntersectionKind::Parallel:
        return with + u"平行（交わらない）"_s;
    case IntersectionKind::SameLineApart:
        return with + u"同じ直線上（共有点なし）"_s;
    case IntersectionKind::Overlapping:
        break;
    }
    return with + u"重なる"_s;
}

} // namespace

ValueTableText valueTableText(const Board& board)
{
    const int slot = board.lineSlot();
    const QString title = u"線%1"_s.arg(slotDigit(slot));
    const auto line = exactLineOf(board.slotTable(), slot);
    if (!line) {
        const QString none = title + u"には線がありません。"_s;
        return {u"<p>%1</p>"_s.arg(none), none};
    }

    const Equation equation = equationOf(*line, Minus::Typographic);
    const QString domain = text(domainText(*line));
    QString html = u"<h3>%1</h3>%2<p>%3</p>"_s.arg(title, equationHtml(equation), domain);
    QStringList plain{title, text(equation.Plain), domain};

    QString xs;
    QString ys;
    QStringList xRow{u"χ"_s};
    QStringList yRow{u"y"_s};
    for (const ExactPoint& column : tableOfValues(*line)) {
        xs += u"<td align=\"center\">%1</td>"_s.arg(number(column.X));
        ys += u"<td align=\"center\">%1</td>"_s.arg(number(column.Y));
        xRow << number(column.X);
        yRow << number(column.Y);
    }
    html += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr><th>χ</th>%1</tr><tr><th>y</th>%2</tr>"
            "</table>"_s.arg(xs, ys);
    plain << xRow.join(u'\t') << yRow.join(u'\t');

    const QStringList facts{u"変化の割合：%1"_s.arg(number(line->A)), u"切片：%1"_s.arg(number(line->B)),
        u"yの変域：%1"_s.arg(text(rangeText(*line)))};
    html += u"<p>%1</p>"_s.arg(facts.join(u"<br>"_s));
    plain << facts;

    QStringList crossings;
    for (int other = 0; other < SlotTable::UserSlots; ++other) {
        const auto otherLine = other == slot ? std::nullopt : exactLineOf(board.slotTable(), other);
        if (otherLine)
            crossings << crossingText(other, intersection(*line, *otherLine));
    }
    if (!crossings.isEmpty()) {
        html += u"<p>交点<br>%1</p>"_s.arg(crossings.join(u"<br>"_s));
        plain << u"交点"_s << crossings;
    }
    return {html, plain.join(u'\n') + u'\n'};
}

ValueTableWindow::ValueTableWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(u"ValueTable"_s);
    setWindowTitle(u"値の表"_s);
    // The pupil goes on typing in the main window while the table follows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAccessibleName(u"値の表"_s);
    auto* layout = new QVBoxLayout(this);
    Text = new QTextBrowser(this);
    Text->setObjectName(u"ValueTableText"_s);
    Text->setAccessibleName(u"値の表の内容"_s);
    Text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(Text);
    auto* copy = new QPushButton(u"表をコピー(&C)"_s, this);
    copy->setObjectName(u"CopyValueTable"_s);
    copy->setAccessibleName(u"表をコピー"_s);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(Plain); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    layout->addLayout(buttons);
    Text->setFont(look::font(12, false));
    resize(460, 560);
    // Beside the main window, on its right, or as far right as the screen allows.
    if (mainWindow) {
        QPoint at = mainWindow->frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = mainWindow->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() - width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - height())));
        }
        move(at);
    }
}

void ValueTableWindow::showBoard(const Board& board)
{
    const ValueTableText table = valueTableText(board);
    Plain = table.Plain;
    Text->setHtml(table.Html);
    setWindowTitle(u"値の表 — 線%1"_s.arg(slotDigit(board.lineSlot())));
}

void ValueTableWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace zelmora
