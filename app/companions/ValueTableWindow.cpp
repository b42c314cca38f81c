// SPDX-License-Identifier: MIT
#include "app/companions/ValueTableWindow.h"

#include "app/words/Speech.h"

#include "app/access/Accessibility.h"
#include "app/words/Look.h"
#include "board/Board.h"
#include "facts/Equation.h"
#include "facts/LineFacts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>

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

// Full-width as the buttons show it in Japanese, ordinary digits in English.
QChar slotDigit(int slot)
{
    const QString digits = ValueTableWindow::tr("１２３４５６７８");
    return digits.size() == SlotTable::UserSlots ? digits.at(slot) : QChar(u'１' + slot);
}

// A fraction stacked as textbooks print it: numerator over a bar over the denominator. Its cells do
// not wrap, so "11/2" never breaks into pieces that read as other numbers.
QString stacked(const StackedFraction& fraction)
{
    return u"<table cellspacing=\"0\" cellpadding=\"0\" style=\"display: inline\"><tr><td align=\"center\" "
           "nowrap style=\"border-bottom: 1px solid black; white-space: nowrap\">%1</td></tr><tr><td align=\"center\" "
           "nowrap style=\"white-space: nowrap\">%2</td></tr></table>"_s.arg(
               text(fraction.Numerator), text(fraction.Denominator));
}

QString runHtml(const std::string& run)
{
    return text(run).toHtmlEscaped().replace(u' ', u"&nbsp;"_s);
}

QString partsHtml(const std::vector<EquationPart>& parts)
{
    QString cells;
    for (const EquationPart& part : parts) {
        if (const auto* run = std::get_if<std::string>(&part))
            cells += u"<td valign=\"middle\" nowrap>%1</td>"_s.arg(runHtml(*run));
        else
            cells += u"<td valign=\"middle\" nowrap>%1</td>"_s.arg(stacked(std::get<StackedFraction>(part)));
    }
    return u"<table cellspacing=\"0\" cellpadding=\"0\"><tr>%1</tr></table>"_s.arg(cells);
}

QString bracketed(const QString& value, bool leftOut)
{
    return leftOut ? u"(%1)"_s.arg(value) : value;
}

// A value of the table: an integer as it is, any other as its sign and a stacked fraction; in
// brackets when the line leaves its point out.
QString valueHtml(const mpq_class& value, bool leftOut = false)
{
    if (value.get_den() == 1)
        return bracketed(number(value), leftOut);
    std::vector<EquationPart> parts;
    std::string before = leftOut ? "(" : "";
    if (sgn(value) < 0)
        before += minusSign(Minus::Typographic);
    if (!before.empty())
        parts.emplace_back(before);
    parts.emplace_back(StackedFraction{mpz_class(abs(value.get_num())).get_str(), value.get_den().get_str()});
    if (leftOut)
        parts.emplace_back(std::string(")"));
    return partsHtml(parts);
}

// A value as tab-separated text: the ASCII minus, and a fraction behind an apostrophe, which tells a
// spreadsheet to keep "-1/2" as text rather than read it as a date; likewise a value in brackets,
// which it would read as a negative number.
QString valueText(const mpq_class& value, bool leftOut = false)
{
    const QString written = bracketed(text(fractionText(value, Minus::Ascii)), leftOut);
    return value.get_den() == 1 && !leftOut ? written : u"'"_s + written;
}

QString crossingText(int other, const Intersection& crossing)
{
    const QString with = ValueTableWindow::tr("線%1と：").arg(slotDigit(other));
    switch (crossing.Kind) {
    case IntersectionKind::Point:
        return with + point(*crossing.Point);
    case IntersectionKind::OutsideDomain:
        return with + ValueTableWindow::tr("変域の外で交わる ") + point(*crossing.Point);
    case IntersectionKind::Parallel:
        return with + ValueTableWindow::tr("平行（交わらない）");
    case IntersectionKind::SameLineApart:
        return with + ValueTableWindow::tr("同じ直線上（共有点なし）");
    case IntersectionKind::Overlapping:
        break;
    }
    return with + ValueTableWindow::tr("重なる");
}

QString asciiMinus(QString shown)
{
    return shown.replace(u'−', u'-');
}

} // namespace

QString replacedStepNote(const ExactLine& line, const std::optional<mpq_class>& step)
{
    if (!step || multiplesIn(line, *step) <= MaxGivenColumns)
        return {};
    return ValueTableWindow::tr("χの刻み%1では列が%2を超えるので、刻みを%3にしました。")
        .arg(number(*step))
        .arg(MaxGivenColumns)
        .arg(number(tableStep(line)));
}

namespace {

// The steps the box offers, after 自動.
struct StepChoice {
    const char16_t* Caption;
    long Numerator;
    long Denominator;
};
constexpr std::array<StepChoice, 5> stepChoices{
    {{u"1", 1, 1}, {u"1/2", 1, 2}, {u"2", 2, 1}, {u"5", 5, 1}, {u"10", 10, 1}}};

} // namespace

ValueTableText valueTableText(const SlotTable& table, int slot, const std::optional<mpq_class>& step)
{
    return valueTableText(table, LineForms{}, slot, step);
}

ValueTableText valueTableText(
    const SlotTable& table, const LineForms& forms, int slot, const std::optional<mpq_class>& step)
{
    const QString title = ValueTableWindow::tr("線%1").arg(slotDigit(slot));
    const auto line = exactLineOf(table, forms, slot);
    if (!line) {
        const QString none = title + ValueTableWindow::tr("には線がありません。");
        return {u"<p>%1</p>"_s.arg(none), none, none + u'\n', u"<p>%1</p>"_s.arg(none)};
    }

    const Equation equation = equationOf(*line, Minus::Typographic);
    const QString domain = text(domainText(*line));
    // An open end is written with "<", which HTML must not take for a tag.
    QString html = u"<h3>%1</h3>%2<p>%3</p>"_s.arg(title, partsHtml(equation.Parts), domain.toHtmlEscaped());
    QStringList plain{title, text(equation.Plain), domain};
    // A step that would give too many columns is not taken; the table says which one it took.
    if (const QString replaced = replacedStepNote(*line, step); !replaced.isEmpty()) {
        html += u"<p>%1</p>"_s.arg(replaced.toHtmlEscaped());
        plain << replaced;
    }
    QStringList copied{title, asciiMinus(text(equation.Plain)), asciiMinus(domain)};
    // The equation the line was typed as, beside its y = aχ + b.
    if (!line->Vertical && !line->Typed.empty()) {
        const QString typed = text(shownEquationOf(*line, Minus::Typographic).Plain);
        html += u"<p>%1</p>"_s.arg(typed.toHtmlEscaped());
        plain << typed;
        copied << asciiMinus(typed);
    }
    const auto crossingsOf = [&] {
        QStringList crossings;
        for (int other = 0; other < SlotTable::UserSlots; ++other) {
            const auto otherLine = other == slot ? std::nullopt : exactLineOf(table, forms, other);
            if (otherLine)
                crossings << crossingText(other, intersection(*line, *otherLine));
        }
        return crossings;
    };
    if (line->Vertical) {
        const QString why = ValueTableWindow::tr(
            "χ＝の直線では χ が変わらないので、値の表はつくれません。変化の割合と切片もありません。");
        html += u"<p>%1</p>"_s.arg(why);
        plain << why;
        copied << why;
        const QStringList crossings = crossingsOf();
        if (!crossings.isEmpty()) {
            html += ValueTableWindow::tr("<p>交点<br>%1</p>").arg(crossings.join(u"<br>"_s));
            plain << ValueTableWindow::tr("交点") << crossings;
            copied << ValueTableWindow::tr("交点");
            for (const QString& crossing : crossings)
                copied << asciiMinus(crossing);
        }
        const QString copiedHtml = u"<html><body><p>%1<br>%2<br>%3</p><p>%4</p></body></html>"_s.arg(
            title, text(equation.Plain).toHtmlEscaped(), domain.toHtmlEscaped(), why.toHtmlEscaped());
        return {html, plain.join(u'\n') + u'\n', copied.join(u'\n') + u'\n', copiedHtml};
    }

    QString xs;
    QString ys;
    QString xsCopied;
    QString ysCopied;
    QStringList xRow{u"χ"_s};
    QStringList yRow{u"y"_s};
    QStringList xCopied{u"χ"_s};
    QStringList yCopied{u"y"_s};
    bool leftOut = false;
    for (const ExactPoint& column : tableOfValues(*line, step)) {
        // At an open end the column stays, since its y is the end of y's range, but that y is in
        // brackets: the line does not reach it.
        const bool open = !onSegment(*line, column.X);
        leftOut = leftOut || open;
        xs += u"<td align=\"center\" nowrap>%1</td>"_s.arg(valueHtml(column.X));
        ys += u"<td align=\"center\" nowrap>%1</td>"_s.arg(valueHtml(column.Y, open));
        xsCopied += u"<td align=\"center\">%1</td>"_s.arg(number(column.X));
        ysCopied += u"<td align=\"center\">%1</td>"_s.arg(bracketed(number(column.Y), open));
        xRow << number(column.X);
        yRow << bracketed(number(column.Y), open);
        xCopied << valueText(column.X);
        yCopied << valueText(column.Y, open);
    }
    const QString rows = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr><th>χ</th>%1</tr>"
                         "<tr><th>y</th>%2</tr></table>"_s;
    const QString leftOutNote = ValueTableWindow::tr("( ) は、変域に含まれない端での値です。");
    const QString leftOutHtml = leftOut ? u"<p>%1</p>"_s.arg(leftOutNote.toHtmlEscaped()) : QString();
    html += rows.arg(xs, ys) + leftOutHtml;
    plain << xRow.join(u'\t') << yRow.join(u'\t');
    copied << xCopied.join(u'\t') << yCopied.join(u'\t');
    if (leftOut) {
        plain << leftOutNote;
        copied << leftOutNote;
    }

    const QStringList facts{ValueTableWindow::tr("変化の割合：%1").arg(number(line->A)),
        ValueTableWindow::tr("切片：%1").arg(number(line->B)),
        ValueTableWindow::tr("yの変域：%1").arg(text(rangeText(*line)))};
    QStringList factsEscaped;
    for (const QString& fact : facts)
        factsEscaped << fact.toHtmlEscaped();
    const QString factsHtml = u"<p>%1</p>"_s.arg(factsEscaped.join(u"<br>"_s));
    html += factsHtml;
    plain << facts;
    for (const QString& fact : facts)
        copied << asciiMinus(fact);

    QString crossingsHtml;
    const QStringList crossings = crossingsOf();
    if (!crossings.isEmpty()) {
        crossingsHtml = ValueTableWindow::tr("<p>交点<br>%1</p>").arg(crossings.join(u"<br>"_s));
        html += crossingsHtml;
        plain << ValueTableWindow::tr("交点") << crossings;
        copied << ValueTableWindow::tr("交点");
        for (const QString& crossing : crossings)
            copied << asciiMinus(crossing);
    }
    const QString copiedHtml
        = u"<html><body><p>%1<br>%2<br>%3</p>%4%5%6</body></html>"_s.arg(title, text(equation.Plain).toHtmlEscaped(),
            domain.toHtmlEscaped(), rows.arg(xsCopied, ysCopied) + leftOutHtml, factsHtml, crossingsHtml);
    return {html, plain.join(u'\n') + u'\n', copied.join(u'\n') + u'\n', copiedHtml};
}

ValueTableText valueTableText(const Board& board, const std::optional<mpq_class>& step)
{
    return valueTableText(board.slotTable(), board.lineForms(), board.lineSlot(), step);
}

std::optional<int> dockedValueTableWidth(const QRect& mainFrame, const QRect& screen, int wanted, int least)
{
    if (mainFrame.width() + least > screen.width())
        return std::nullopt;
    return std::clamp(screen.right() - mainFrame.right(), least, std::max(least, wanted));
}

QRect valueTableOverPicture(const QRect& picture, const QRect& screen, QSize wanted)
{
    const QRect frame(picture.topLeft(), wanted.boundedTo(screen.size()));
    return QRect(keptOnScreen(frame, screen), frame.size());
}

QPoint keptOnScreen(const QRect& frame, const QRect& screen)
{
    const int left = std::max(std::min(frame.left(), screen.right() + 1 - frame.width()), screen.left());
    const int top = std::max(std::min(frame.top(), screen.bottom() + 1 - frame.height()), screen.top());
    return {left, top};
}

std::chrono::milliseconds FollowPace::wait() const
{
    if (!Last.isValid())
        return std::chrono::milliseconds(0);
    return std::max(std::chrono::milliseconds(0), Interval - std::chrono::milliseconds(Last.elapsed()));
}

ValueTableWindow::ValueTableWindow(QWidget* mainWindow)
    : CompanionWindow(mainWindow)
{
    Later.setSingleShot(true);
    connect(&Later, &QTimer::timeout, this, &ValueTableWindow::refresh);
    setObjectName(u"ValueTable"_s);
    setWindowTitle(tr("値の表"));
    // The pupil goes on typing in the main window while the table follows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    Text = new QTextBrowser(this);
    Text->setObjectName(u"ValueTableText"_s);
    Text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Text->setLineWrapMode(QTextEdit::NoWrap);
    // A screen reader reads it as a table of cells, the arrows moving from cell to cell.
    setSpokenTable(Text, {});
    Text->installEventFilter(this);
    layout->addWidget(Text);
    auto* buttons = new QHBoxLayout;
    auto* stepLabel = new QLabel(tr("χの刻み(&S)"), this);
    Step = new QComboBox(this);
    Step->setObjectName(u"ValueTableStep"_s);
    Step->setAccessibleName(tr("χの刻み"));
    Step->addItem(tr("自動"));
    for (const StepChoice& choice : stepChoices)
        Step->addItem(QString::fromUtf16(choice.Caption));
    stepLabel->setBuddy(Step);
    connect(Step, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        if (Speaker == nullptr)
            Speaker = new Announcer(this);
        QString said = speech::valueStepChosen(Step->currentText(), Lines, Forms, Slot, chosenStep());
        if (const auto line = exactLineOf(Lines, Slot))
            said = speech::oneAfterAnother(speech::forEar(replacedStepNote(*line, chosenStep())), said);
        Speaker->announce(said);
    });
    buttons->addWidget(stepLabel);
    buttons->addWidget(Step);
    buttons->addStretch();
    auto* copyButton = CopyButton = new QPushButton(tr("表をコピー(&C)"), this);
    copyButton->setObjectName(u"CopyValueTable"_s);
    copyButton->setAccessibleName(tr("表をコピー"));
    connect(copyButton, &QPushButton::clicked, this, &ValueTableWindow::copy);
    buttons->addWidget(copyButton);
    layout->addLayout(buttons);
    Text->setFont(look::font(12, false));
    setMinimumSize(Least);
    resize(Wanted);
}

void ValueTableWindow::showBoard(const Board& board)
{
    // Most commands (a mark, the tracing point, a message) leave the lines as they were.
    const bool sameLines = board.slotTable().cells() == Lines.cells() && board.lineForms() == Forms;
    if (sameLines && board.lineSlot() == Slot && (Current || Later.isActive()))
        return;
    // Only the line of the table moved, as a slider or a play moves it.
    const bool moving = board.lineSlot() == Slot && board.lineForms() == Forms
        && board.undoStep() == BoardStep{BoardCommand::Move, Slot};
    Lines = board.slotTable();
    Forms = board.lineForms();
    Slot = board.lineSlot();
    Current = false;
    if (moving && !Pace.showNow()) {
        if (!Later.isActive())
            Later.start(Pace.wait());
        return;
    }
    refresh();
}

std::optional<mpq_class> ValueTableWindow::chosenStep() const
{
    if (Step->currentIndex() <= 0)
        return std::nullopt;
    const StepChoice& choice = stepChoices[static_cast<std::size_t>(Step->currentIndex() - 1)];
    return mpq_class(choice.Numerator, choice.Denominator);
}

void ValueTableWindow::refresh()
{
    Later.stop();
    Pace.shown();
    Current = true;
    const std::optional<mpq_class> step = chosenStep();
    Shown = valueTableText(Lines, Forms, Slot, step);
    Text->setHtml(Shown.Html);
    setWindowTitle(tr("値の表 — 線%1").arg(slotDigit(Slot)));
    // A screen reader hears which line the table is of, and its columns as pairs of χ and y.
    setAccessibleName(tr("値の表 線%1").arg(slotDigit(Slot)));
    Text->setAccessibleName(accessibleName());
    Text->setAccessibleDescription(speech::joinedSentences(speech::valueTableFacts(Lines, Forms, Slot)));
    SpokenTable table{{speech::forEar(u"χ"_s), u"y"_s}, {{}, {}}};
    if (const auto line = exactLineOf(Lines, Forms, Slot); line && !line->Vertical) {
        for (const ExactPoint& column : tableOfValues(*line, step)) {
            table.Rows[0] << speech::number(column.X);
            const QString y = speech::number(column.Y);
            table.Rows[1] << (onSegment(*line, column.X) ? y : speech::leftOutValue(y));
        }
    } else {
        table = {};
    }
    Cell = QPoint(std::min(Cell.x(), std::max(0, static_cast<int>(table.Rows.value(0).size()) - 1)), Cell.y());
    setSpokenTable(Text, table);
    Pairs = speech::valuePairs(Lines, Forms, Slot, step);
}

// While a screen reader listens, the arrows in the table move from cell to cell, and the reader
// says each cell with its row's header; selecting with Shift and the arrows stays as it is.
bool ValueTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Text || event->type() != QEvent::KeyPress || !QAccessible::isActive())
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return QWidget::eventFilter(watched, event);
    QPoint next = Cell;
    switch (key->key()) {
    case Qt::Key_Left:
        next.rx() -= 1;
        break;
    case Qt::Key_Right:
        next.rx() += 1;
        break;
    case Qt::Key_Up:
        next.ry() -= 1;
        break;
    case Qt::Key_Down:
        next.ry() += 1;
        break;
    case Qt::Key_Home:
        next.rx() = 0;
        break;
    case Qt::Key_End:
        next.rx() = std::numeric_limits<int>::max();
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    const int columns = static_cast<int>(
        exactLineOf(Lines, Slot) ? tableOfValues(*exactLineOf(Lines, Slot), chosenStep()).size() : 0);
    if (columns == 0)
        return true;
    Cell = QPoint(std::clamp(next.x(), 0, columns - 1), std::clamp(next.y(), 0, 1));
    focusCell(Text, Cell.y(), Cell.x());
    return true;
}

void ValueTableWindow::takeFocus()
{
    if (QWidget* focused = QApplication::focusWidget(); focused != nullptr && !isAncestorOf(focused))
        Returning = focused;
    activateWindow();
    Text->setFocus(Qt::OtherFocusReason);
    // The pairs are said once the screen reader has said the window and its focus.
    if (Speaker == nullptr)
        Speaker = new Announcer(this);
    QTimer::singleShot(std::chrono::milliseconds(600), Speaker,
        [this] { Speaker->announce(speech::oneAfterAnother(speech::valueTableOpened(Slot), Pairs)); });
}

std::vector<QWidget*> ValueTableWindow::tabStops() const
{
    return {Text, Step, CopyButton};
}

void ValueTableWindow::copy() const
{
    auto* data = new QMimeData;
    data->setText(Shown.CopiedText);
    data->setHtml(Shown.CopiedHtml);
    QGuiApplication::clipboard()->setMimeData(data);
}

// The focus goes back to where it was taken from, and not to whatever comes next in the window.
void ValueTableWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (Returning && event->isAccepted()) {
        Returning->activateWindow();
        Returning->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace zelmora
