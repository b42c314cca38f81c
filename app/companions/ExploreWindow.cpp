// SPDX-License-Identifier: MIT
#include "app/companions/ExploreWindow.h"

#include "app/access/Accessibility.h"
#include "app/words/Look.h"
#include "app/words/Speech.h"
#include "board/Board.h"
#include "facts/ExactLine.h"
#include "facts/ExactNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr int coefficientA = 0;
constexpr int coefficientB = 1;
// a moves over -5 to 5, b over -10 to 10.
constexpr std::array<int, 2> ranges{5, 10};
const std::array<QString, 2> names{u"ａ"_s, u"ｂ"_s};
// How long the keys rest before the line moved is said.
constexpr auto restBeforeSaying = std::chrono::milliseconds(700);

struct StepChoice {
    const char16_t* Caption;
    ParameterStep Step;
};
const std::array<std::vector<StepChoice>, 2> stepChoices{{
    {{u"1/2", ParameterStep::Half}, {u"1/3", ParameterStep::Third}, {u"1/4", ParameterStep::Quarter},
        {u"0.1", ParameterStep::Tenth}},
    {{u"1", ParameterStep::Whole}, {u"1/2", ParameterStep::Half}},
}};

// A decimal as a pupil writes it, with its zero before the point: " .3" shows as "0.3".
QString shownValue(const std::string& text)
{
    QString shown = QString::fromStdString(text).trimmed();
    if (shown.startsWith(u'.'))
        shown.prepend(u'0');
    else if (shown.startsWith(u"-."_s))
        shown.insert(1, u'0');
    return shown;
}

} // namespace

ExploreWindow::ExploreWindow(const Board& board, QWidget* mainWindow)
    : CompanionWindow(mainWindow)
    , Followed(board)
{
    setObjectName(u"Explore"_s);
    setWindowTitle(tr("動かして調べる"));
    setAccessibleName(tr("動かして調べる"));
    build();
    Player.setInterval(PlayInterval);
    connect(&Player, &QTimer::timeout, this, &ExploreWindow::playStep);
    if (mainWindow) {
        adjustSize();
        placeBeside();
    }
}

void ExploreWindow::build()
{
    auto* grid = new QGridLayout(this);
    Line = new QLabel(this);
    Line->setObjectName(u"ExploreLine"_s);
    Line->setFont(look::font(12, true));
    grid->addWidget(Line, 0, 0, 1, 5);
    for (int which : {coefficientA, coefficientB}) {
        Control& control = Controls[static_cast<std::size_t>(which)];
        const QString suffix = which == coefficientA ? u"A"_s : u"B"_s;
        const int row = 1 + which;
        auto* name = new QLabel(names[static_cast<std::size_t>(which)], this);
        name->setFont(look::font(14, true));
        control.Slider = new QSlider(Qt::Horizontal, this);
        control.Slider->setObjectName(u"ExploreSlider"_s + suffix);
        // Heard as "ａ −3分の1": the name and the value as the window writes it.
        control.Slider->setAccessibleName(names[static_cast<std::size_t>(which)]);
        setSpokenValue(control.Slider, QString());
        control.Slider->setSingleStep(1);
        control.Slider->setPageStep(5);
        control.Slider->setTickPosition(QSlider::TicksBelow);
        control.Slider->setMinimumWidth(200);
        name->setBuddy(control.Slider);
        control.Value = new QLabel(this);
        control.Value->setObjectName(u"ExploreValue"_s + suffix);
        control.Value->setFont(look::font(14, false));
        control.Value->setMinimumWidth(70);
        control.Step = new QComboBox(this);
        control.Step->setObjectName(u"ExploreStep"_s + suffix);
        control.Step->setAccessibleName(names[static_cast<std::size_t>(which)] + tr("の刻み"));
        for (const StepChoice& choice : stepChoices[static_cast<std::size_t>(which)])
            control.Step->addItem(QString::fromUtf16(choice.Caption), static_cast<int>(choice.Step));
        // Qt names a combo box by its current item; a screen reader takes the name of the label
        // that belongs to it. The label is not shown: the box stands beside the slider it steps.
        auto* stepName = new QLabel(control.Step->accessibleName(), this);
        stepName->setBuddy(control.Step);
        stepName->hide();
        control.Play = new QPushButton(u"▶"_s, this);
        control.Play->setObjectName(u"ExplorePlay"_s + suffix);
        control.Play->setAccessibleName(names[static_cast<std::size_t>(which)] + tr("を自動で動かす"));
        control.Play->setAutoDefault(true);
        grid->addWidget(name, row, 0);
        grid->addWidget(control.Slider, row, 1);
        grid->addWidget(control.Value, row, 2);
        grid->addWidget(control.Step, row, 3);
        grid->addWidget(control.Play, row, 4);

        connect(control.Slider, &QSlider::sliderPressed, this, [this] { Continuing = false; });
        connect(control.Slider, &QSlider::sliderReleased, this, [this] { Continuing = false; });
        connect(control.Slider, &QSlider::valueChanged, this, [this, which] { moved(which); });
        connect(control.Step, &QComboBox::currentIndexChanged, this, [this, which] { stepChosen(which); });
        connect(control.Play, &QPushButton::clicked, this, [this, which] { togglePlay(which); });
        control.Scale = parameterScale(
            stepChoices[static_cast<std::size_t>(which)].front().Step, ranges[static_cast<std::size_t>(which)]);
    }
    Keep = new QCheckBox(tr("前の線を残す(&K)"), this);
    Keep->setObjectName(u"ExploreKeep"_s);
    connect(Keep, &QCheckBox::toggled, this, &ExploreWindow::keepChosen);
    grid->addWidget(Keep, 3, 1, 1, 4);
    Speaker = new Announcer(this);
    Rest.setSingleShot(true);
    Rest.setInterval(restBeforeSaying);
    connect(&Rest, &QTimer::timeout, this, [this] {
        if (Playing < 0)
            Speaker->announce(speech::lineMoved(Followed, Slot));
    });
}

void ExploreWindow::sayLine()
{
    QTimer::singleShot(
        std::chrono::milliseconds(600), Speaker, [this] { Speaker->announce(speech::lineToMove(Followed, Slot)); });
}

void ExploreWindow::showBoard(const Board& board)
{
    const int slot = board.lineSlot();
    const SlotTable& table = board.slotTable();
    const bool drawn = table.isDrawn(slot);
    if (slot != Slot || !drawn) {
        stopPlaying();
        Continuing = false;
    }
    const bool newLine = slot != Slot || Line->text().isEmpty();
    Slot = slot;
    // Full-width as the buttons show it in Japanese, ordinary digits in English.
    const QString digits = tr("１２３４５６７８");
    const QChar digit = digits.size() == SlotTable::UserSlots ? digits.at(slot) : QChar(u'１' + slot);
    setWindowTitle(tr("動かして調べる — 線%1").arg(digit));
    Line->setText(drawn ? tr("線%1を動かします。").arg(digit) : tr("線%1には線がありません。").arg(digit));
    // A vertical line has no a and b to move.
    if (verticalLineOf(board.lineForms(), slot) != nullptr)
        Line->setText(tr("線%1は χ＝の直線で、a と b がないので動かせません。").arg(digit));
    for (Control& control : Controls) {
        control.Slider->setEnabled(drawn);
        control.Step->setEnabled(drawn);
        control.Play->setEnabled(drawn);
    }
    if (!drawn) {
        for (Control& control : Controls) {
            control.Value->clear();
            setSpokenValue(control.Slider, QString());
        }
        return;
    }
    // A new line starts a in the steps of its own denominator: thirds for -2/3.
    if (newLine) {
        const ParameterStep step = slopeStepFor(table.get(slot, SlotTable::ANum), table.get(slot, SlotTable::ADen));
        QComboBox* box = Controls[coefficientA].Step;
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(step))));
        Controls[coefficientA].Scale = parameterScale(step, ranges[coefficientA]);
    }
    const EntryTexts texts = entryTexts(table, slot);
    for (int which : {coefficientA, coefficientB}) {
        Controls[static_cast<std::size_t>(which)].Value->setText(shownValue(texts[static_cast<std::size_t>(which)]));
        const auto column = which == coefficientA ? std::pair(SlotTable::ANum, SlotTable::ADen)
                                                  : std::pair(SlotTable::BNum, SlotTable::BDen);
        placeSlider(which, double(table.get(slot, column.first)) / double(table.get(slot, column.second)));
    }
    if (const auto line = exactLineOf(table, slot)) {
        setSpokenValue(Controls[coefficientA].Slider, speech::number(line->A));
        setSpokenValue(Controls[coefficientB].Slider, speech::number(line->B));
    }
}

void ExploreWindow::placeSlider(int which, double value)
{
    Control& control = Controls[static_cast<std::size_t>(which)];
    const QSignalBlocker blocker(control.Slider);
    control.Slider->setRange(control.Scale.Minimum, control.Scale.Maximum);
    control.Slider->setTickInterval(control.Scale.Denominator);
    // While a slider moves the line, the line is where the slider is.
    if (!control.Slider->isSliderDown() && Playing != which)
        control.Slider->setValue(nearestPosition(control.Scale, value));
}

void ExploreWindow::moved(int which)
{
    const Control& control = Controls[static_cast<std::size_t>(which)];
    const std::string text = parameterText(control.Scale, control.Slider->value());
    // A new step begins: the line as it is now is the one kept to compare with.
    if (!Continuing && Keep->isChecked())
        Q_EMIT commandAsked([this](Board& board) { return board.keepLine(Slot); });
    const std::optional<std::string> a = which == coefficientA ? std::optional(text) : std::nullopt;
    const std::optional<std::string> b = which == coefficientB ? std::optional(text) : std::nullopt;
    const bool continuing = Continuing;
    Q_EMIT commandAsked([&](Board& board) { return board.moveLine(Slot, a, b, continuing); });
    // A drag or a play goes on as one step; each key press is a step of its own.
    Continuing = control.Slider->isSliderDown() || Playing == which;
    // Each key says the value at once; the line is said once the keys rest. A play says neither
    // until it stops.
    if (Playing == which)
        return;
    if (const auto value = exactCoefficient(text))
        Speaker->announce(speech::coefficientMoved(names[static_cast<std::size_t>(which)], *value));
    Rest.start();
}

// Another step keeps the line where it is; the slider goes to the nearest position of the new scale.
void ExploreWindow::stepChosen(int which)
{
    Control& control = Controls[static_cast<std::size_t>(which)];
    control.Scale = parameterScale(
        static_cast<ParameterStep>(control.Step->currentData().toInt()), ranges[static_cast<std::size_t>(which)]);
    showBoard(Followed);
}

void ExploreWindow::togglePlay(int which)
{
    const bool wasPlaying = Playing == which;
    stopPlaying();
    if (wasPlaying)
        return;
    Playing = which;
    const QSlider* slider = Controls[static_cast<std::size_t>(which)].Slider;
    Direction = slider->value() >= slider->maximum() ? -1 : 1;
    Continuing = false;
    Controls[static_cast<std::size_t>(which)].Play->setText(u"■"_s);
    Player.start();
}

// One step of a play: on to the end, then back, and so on until stopped.
void ExploreWindow::playStep()
{
    if (Playing < 0)
        return;
    QSlider* slider = Controls[static_cast<std::size_t>(Playing)].Slider;
    if (slider->value() + Direction > slider->maximum() || slider->value() + Direction < slider->minimum())
        Direction = -Direction;
    slider->setValue(slider->value() + Direction);
}

void ExploreWindow::stopPlaying()
{
    if (Playing >= 0)
        Speaker->announce(speech::playStopped(names[static_cast<std::size_t>(Playing)], Followed, Slot));
    Player.stop();
    for (Control& control : Controls)
        control.Play->setText(u"▶"_s);
    Playing = -1;
    Continuing = false;
}

void ExploreWindow::keepChosen()
{
    const std::optional<int> slot = Keep->isChecked() ? std::optional(Slot) : std::nullopt;
    Q_EMIT commandAsked([slot](Board& board) { return board.keepLine(slot); });
}

// Closed, the window stops its play and lets the kept line go.
void ExploreWindow::hideEvent(QHideEvent* event)
{
    stopPlaying();
    if (Followed.keptLine())
        Q_EMIT commandAsked([](Board& board) { return board.keepLine(std::nullopt); });
    QWidget::hideEvent(event);
}

} // namespace zelmora
