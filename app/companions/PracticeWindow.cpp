// SPDX-License-Identifier: MIT
#include "app/companions/PracticeWindow.h"

#include "app/access/Accessibility.h"
#include "app/access/LatticeCursor.h"
#include "app/words/Look.h"
#include "app/words/PracticeWords.h"
#include "app/words/Speech.h"
#include "facts/ExactNumber.h"
#include "facts/LineFacts.h"
#include "facts/PointLine.h"
#include "plane/DrawPlane.h"
#include "plane/PainterSurface.h"
#include "practice/AnswerCheck.h"
#include "practice/TaskGenerator.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

// The smallest plane's squares: a task lies within six units each way.
constexpr PlaneGeometry practiceGeometry{PictureSide / 2, PictureSide / 2, PlaneSizes[0].UnitPixels};
constexpr int planeSide = 480;

// The task's plane, drawn by the renderer at the widget's size on every paint.
class PracticePlane : public QWidget {
public:
    PracticePlane(QWidget* parent, std::function<void(PlaneSurface&)> draw, std::function<bool(const QKeyEvent&)> keys,
        std::function<bool(QPointF)> click)
        : QWidget(parent)
        , Draw(std::move(draw))
        , Keys(std::move(keys))
        , Click(std::move(click))
    {
        setFixedSize(planeSide, planeSide);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!Keys(*event))
            QWidget::keyPressEvent(event);
    }

    // A left click, in the renderer's surface pixels.
    void mousePressEvent(QMouseEvent* event) override
    {
        const double scale = double(PictureSide) / planeSide;
        if (event->button() != Qt::LeftButton || !Click(event->position() * scale))
            QWidget::mousePressEvent(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QTransform toWidget;
        toWidget.scale(double(planeSide) / PictureSide, double(planeSide) / PictureSide);
        PainterSurface surface = planeSurface(*this, toWidget);
        const PainterSurface::Batch batch(surface);
        Draw(surface);
    }

private:
    std::function<void(PlaneSurface&)> Draw;
    std::function<bool(const QKeyEvent&)> Keys;
    std::function<bool(QPointF)> Click;
};

} // namespace

PracticeWindow::PracticeWindow(QWidget* mainWindow)
    : CompanionWindow(mainWindow)
{
    setObjectName(u"PracticeWindow"_s);
    setWindowTitle(tr("Zelmora — 練習"));
    build();
}

void PracticeWindow::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    const auto labelled = [this, settings](const QString& caption, QWidget* control, const QString& name) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        control->setObjectName(name);
        settings->addWidget(label);
        settings->addWidget(control);
    };
    Kind = new QComboBox(this);
    for (const TaskKindRow& kind : TaskKinds)
        Kind->addItem(practiceWords::kindCaption(kind.Kind), static_cast<int>(kind.Kind));
    labelled(tr("種類(&K)"), Kind, u"PracticeKind"_s);
    Level = new QComboBox(this);
    for (const TaskLevelRow& level : TaskLevels)
        Level->addItem(practiceWords::levelCaption(level.Level), static_cast<int>(level.Level));
    labelled(tr("数(&L)"), Level, u"PracticeLevel"_s);
    Count = new QComboBox(this);
    for (const int count : TaskCounts)
        Count->addItem(tr("%1問").arg(count), count);
    Count->setCurrentIndex(1);
    labelled(tr("問題の数(&C)"), Count, u"PracticeCount"_s);
    Seed = new QSpinBox(this);
    Seed->setRange(0, static_cast<int>(MaxDrawnSeed));
    Seed->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1U, static_cast<unsigned>(MaxDrawnSeed) + 1)));
    labelled(tr("問題番号(&N)"), Seed, u"PracticeSeed"_s);
    auto* begin = new QPushButton(tr("始める(&S)"), this);
    begin->setObjectName(u"PracticeStart"_s);
    begin->setAutoDefault(true);
    settings->addWidget(begin);
    connect(begin, &QPushButton::clicked, this, &PracticeWindow::startChosen);
    layout->addLayout(settings);

    Heading = new QLabel(this);
    Heading->setObjectName(u"PracticeHeading"_s);
    Heading->setFont(look::font(14, true));
    Prompt = new QLabel(tr("種類と数を選んで「始める」を押しましょう。"), this);
    Prompt->setObjectName(u"PracticePrompt"_s);
    Prompt->setWordWrap(true);
    Prompt->setFont(look::font(12, false));
    layout->addWidget(Heading);
    layout->addWidget(Prompt);

    Plane = new PracticePlane(
        this,
        [this](PlaneSurface& surface) {
            if (Current < static_cast<int>(Set.Tasks.size()))
                drawPracticePicture(surface, practiceGeometry, task(), Hints, Pupil, Traced);
            else
                DrawPlane(surface, practiceGeometry);
        },
        [this](const QKeyEvent& event) { return placeByKey(event) || trace(event); },
        [this](QPointF at) { return placeByClick(at); });
    Plane->setObjectName(u"PracticePlane"_s);
    Plane->setAccessibleName(tr("問題の座標平面：← → で線をたどります"));
    layout->addWidget(Plane, 0, Qt::AlignHCenter);

    auto* answers = new QGridLayout;
    for (std::size_t k = 0; k < 2; ++k) {
        Names[k] = new QLabel(this);
        Names[k]->setFont(look::font(14, true));
        Boxes[k] = new QLineEdit(this);
        Boxes[k]->setObjectName(u"PracticeAnswer%1"_s.arg(k + 1));
        Boxes[k]->setFont(look::font(18, false));
        Names[k]->setBuddy(Boxes[k]);
        answers->addWidget(Names[k], 0, static_cast<int>(2 * k));
        answers->addWidget(Boxes[k], 0, static_cast<int>(2 * k + 1));
    }
    // Enter in the first box goes on to the second; in the second it checks.
    connect(Boxes[0], &QLineEdit::returnPressed, Boxes[1], [this] { Boxes[1]->setFocus(); });
    connect(Boxes[1], &QLineEdit::returnPressed, this, &PracticeWindow::check);
    layout->addLayout(answers);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString& caption, const QString& name, void (PracticeWindow::*act)()) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setAutoDefault(true);
        made->setFont(look::font(12, true));
        buttons->addWidget(made);
        connect(made, &QPushButton::clicked, this, act);
        return made;
    };
    CheckButton = button(tr("答え合わせ"), u"PracticeCheck"_s, &PracticeWindow::check);
    HintButton = button(tr("ヒント"), u"PracticeHint"_s, &PracticeWindow::nextHint);
    NextButton = button(tr("次へ"), u"PracticeNext"_s, &PracticeWindow::passBy);
    layout->addLayout(buttons);

    Feedback = new QLabel(this);
    Feedback->setObjectName(u"PracticeFeedback"_s);
    Feedback->setWordWrap(true);
    Feedback->setFont(look::font(12, true));
    Score = new QLabel(this);
    Score->setObjectName(u"PracticeScore"_s);
    Score->setWordWrap(true);
    Score->setFont(look::font(12, false));
    layout->addWidget(Feedback);
    layout->addWidget(Score);
    Speaker = new Announcer(this);
    layout->addWidget(Speaker);

    for (QWidget* control : {static_cast<QWidget*>(Boxes[0]), static_cast<QWidget*>(Boxes[1]),
             static_cast<QWidget*>(CheckButton), static_cast<QWidget*>(HintButton), static_cast<QWidget*>(NextButton)})
        control->setEnabled(false);
}

void PracticeWindow::startChosen()
{
    PracticeSettings settings;
    settings.Kind = static_cast<TaskKind>(Kind->currentData().toInt());
    settings.Level = static_cast<TaskLevel>(Level->currentData().toInt());
    settings.Count = Count->currentData().toInt();
    settings.Seed = static_cast<std::uint64_t>(Seed->value());
    start({makeTasks(settings), settings.Seed});
}

void PracticeWindow::start(const PracticeSet& set)
{
    Set = set;
    Current = 0;
    Right = 0;
    MissedTasks.clear();
    Score->clear();
    showTask({});
}

void PracticeWindow::showTask(const QString& before)
{
    if (Current >= static_cast<int>(Set.Tasks.size())) {
        finish();
        return;
    }
    Hints = 0;
    Missed = false;
    Pupil = {};
    Traced.reset();
    TracedLine = 0;
    Cursor.moveTo({mpq_class(0), mpq_class(0)});
    const PracticeTask& shown = task();
    const QString heading = practiceWords::heading(Current + 1, static_cast<int>(Set.Tasks.size()), Set.Seed);
    Heading->setText(heading);
    const bool graph = shown.Kind == TaskKind::Graph;
    Plane->setAccessibleName(graph ? tr("問題の座標平面：矢印キーで動かしてEnterで点をとります")
                                   : tr("問題の座標平面：← → で線をたどります"));
    Prompt->setText(practiceWords::prompt(shown, practiceWords::Form::Eye)
        + (graph ? u"\n"_s + practiceWords::pointsWanted() : QString()));
    const std::array<QString, 2> names = practiceWords::boxNames(shown.Kind);
    for (std::size_t k = 0; k < 2; ++k) {
        Names[k]->setText(names[k]);
        Boxes[k]->clear();
        Boxes[k]->setEnabled(true);
        Boxes[k]->setAccessibleName(names[k]);
    }
    CheckButton->setEnabled(true);
    HintButton->setEnabled(true);
    NextButton->setEnabled(true);
    Feedback->setText(before);
    showPlane();
    Boxes[0]->setFocus();
    QStringList sentences;
    if (!before.isEmpty())
        sentences << before;
    sentences << heading << practiceWords::prompt(shown, practiceWords::Form::Ear);
    QString said = speech::joinedSentences(sentences);
    if (graph)
        said += practiceWords::pointsWanted();
    say(said);
}

void PracticeWindow::check()
{
    if (Current >= static_cast<int>(Set.Tasks.size()))
        return;
    const std::array<std::string, 2> texts{Boxes[0]->text().toStdString(), Boxes[1]->text().toStdString()};
    AnswerCheck result;
    std::vector<ExactPoint> put;
    if (task().Kind == TaskKind::Graph) {
        // Her two points, each on the line or not; a text that is no point is unreadable.
        const auto first = readPointText(texts[0]);
        const auto second = readPointText(texts[1]);
        result = checkGraph(task(), first.value_or(ExactPoint{}), second.value_or(ExactPoint{}));
        for (const auto& [point, part] : {std::pair{&first, 0}, std::pair{&second, 1}}) {
            if (*point)
                put.push_back(**point);
            else
                result.Parts[static_cast<std::size_t>(part)] = Verdict::Unreadable;
        }
    } else {
        result = checkAnswer(task(), texts);
    }
    // Her own answer goes on the plane beside the task's, where it can be drawn.
    const auto first = boxValue(texts[0]);
    const auto second = boxValue(texts[1]);
    Pupil = {};
    if (first && second && task().Kind == TaskKind::Equation) {
        ExactLine line = taskLines(task()).front();
        line.A = *first;
        line.B = *second;
        line.AText = fractionText(*first);
        line.BText = fractionText(*second);
        Pupil.Line = line;
    } else if (first && second && task().Kind == TaskKind::Crossing) {
        Pupil.Point = ExactPoint{*first, *second};
    } else if (put.size() == 2 && put[0].X != put[1].X) {
        // The line through her two points, over the task's domain; two points one above the other
        // make no line of the form y = aχ + b, and stay dots.
        ExactLine line = taskLines(task()).front();
        line.A = (put[1].Y - put[0].Y) / (put[1].X - put[0].X);
        line.B = put[0].Y - line.A * put[0].X;
        line.AText = fractionText(line.A);
        line.BText = fractionText(line.B);
        line.Typed.clear();
        Pupil.Line = line;
    }
    Pupil.Points = put;
    const QString verdict = practiceWords::verdict(task().Kind, result);
    if (result.right()) {
        if (Missed)
            MissedTasks.push_back(Current);
        else
            ++Right;
        ++Current;
        showTask(verdict);
        return;
    }
    Missed = true;
    Feedback->setText(verdict);
    showPlane();
    say(verdict);
    QLineEdit* wrong = result.Parts[0] != Verdict::Right ? Boxes[0] : Boxes[1];
    wrong->setFocus();
    wrong->selectAll();
}

void PracticeWindow::nextHint()
{
    if (Current >= static_cast<int>(Set.Tasks.size()))
        return;
    const std::vector<Hint> hints = hintsFor(task());
    if (Hints >= static_cast<int>(hints.size()))
        return;
    const Hint& given = hints[static_cast<std::size_t>(Hints)];
    ++Hints;
    // Once the answer is shown, the task is no longer the pupil's own.
    if (std::holds_alternative<AnswerHint>(given))
        Missed = true;
    Feedback->setText(practiceWords::hint(task(), given, practiceWords::Form::Eye));
    showPlane();
    say(practiceWords::hint(task(), given, practiceWords::Form::Ear));
}

void PracticeWindow::passBy()
{
    if (Current >= static_cast<int>(Set.Tasks.size()))
        return;
    MissedTasks.push_back(Current);
    ++Current;
    showTask({});
}

void PracticeWindow::finish()
{
    const int count = static_cast<int>(Set.Tasks.size());
    Heading->setText(tr("おわり"));
    Prompt->clear();
    QString text = practiceWords::score(Right, count);
    if (!MissedTasks.empty()) {
        text += u"\n"_s + tr("まちがえた問題とその答え：");
        for (const int missed : MissedTasks)
            text += u"\n"_s + practiceWords::missed(missed + 1, Set.Tasks[static_cast<std::size_t>(missed)]);
    }
    Score->setText(text);
    for (QWidget* control : {static_cast<QWidget*>(Boxes[0]), static_cast<QWidget*>(Boxes[1]),
             static_cast<QWidget*>(CheckButton), static_cast<QWidget*>(HintButton), static_cast<QWidget*>(NextButton)})
        control->setEnabled(false);
    showPlane();
    Kind->setFocus();
    QStringList sentences;
    if (!Feedback->text().isEmpty())
        sentences << Feedback->text();
    sentences << text;
    say(speech::joinedSentences(sentences));
}

// A グラフをかく task's points are put on the plane as 点をとる puts them on the main window's
// picture. Each point goes into the first box without a point, or, with both filled, the earlier
// one gives way; the boxes stay the place her answer is read from.
bool PracticeWindow::placeByKey(const QKeyEvent& event)
{
    if (Current >= static_cast<int>(Set.Tasks.size()) || task().Kind != TaskKind::Graph)
        return false;
    switch (Cursor.key(event)) {
    case LatticeCursor::Act::Moved:
        Traced = Cursor.at();
        showPlane();
        say(speech::pointCursor(Cursor.at(), {}));
        return true;
    case LatticeCursor::Act::Put:
        place(Cursor.at());
        return true;
    case LatticeCursor::Act::None:
    case LatticeCursor::Act::Remove:
        return false;
    }
    return false;
}

bool PracticeWindow::placeByClick(QPointF at)
{
    if (Current >= static_cast<int>(Set.Tasks.size()) || task().Kind != TaskKind::Graph)
        return false;
    Cursor.moveTo(LatticeCursor::nearest(practiceGeometry, at));
    Plane->setFocus(Qt::MouseFocusReason);
    place(Cursor.at());
    return true;
}

void PracticeWindow::place(const ExactPoint& point)
{
    const auto written = [this](std::size_t k) { return readPointText(Boxes[k]->text().toStdString()); };
    const QString text = practiceWords::pointText(point);
    if (!written(0)) {
        Boxes[0]->setText(text);
    } else if (!written(1)) {
        Boxes[1]->setText(text);
    } else {
        Boxes[0]->setText(Boxes[1]->text());
        Boxes[1]->setText(text);
    }
    Pupil = {};
    for (std::size_t k = 0; k < 2; ++k) {
        if (const auto at = written(k))
            Pupil.Points.push_back(*at);
    }
    Traced = point;
    showPlane();
    const PlaneWindow window = practiceWindow();
    const bool outside
        = point.X < window.XMin || point.X > window.XMax || point.Y < window.YMin || point.Y > window.YMax;
    say(speech::pointNotice(PointNotice{{}, point, outside}));
}

// The keys of the main window's picture: ← → by one unit of χ, with Shift to the next lattice point,
// Home and End to the ends, ↑ ↓ to the other line of a crossing. The first key puts the point at
// the line's low end.
bool PracticeWindow::trace(const QKeyEvent& event)
{
    if (Current >= static_cast<int>(Set.Tasks.size()) || task().Kind == TaskKind::Graph)
        return false;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const std::vector<ExactLine> lines = taskLines(task());
    std::optional<TraceMove> move;
    switch (event.key()) {
    case Qt::Key_Left:
        move = shift ? TraceMove::LatticeLeft : TraceMove::Left;
        break;
    case Qt::Key_Right:
        move = shift ? TraceMove::LatticeRight : TraceMove::Right;
        break;
    case Qt::Key_Home:
        move = TraceMove::Home;
        break;
    case Qt::Key_End:
        move = TraceMove::End;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (lines.size() < 2)
            return true;
        TracedLine = 1 - TracedLine;
        Traced.reset();
        break;
    default:
        return false;
    }
    const ExactLine& line = lines[static_cast<std::size_t>(TracedLine)];
    const mpq_class x = Traced && move ? traceStop(line, Traced->X, *move) : line.low();
    Traced = ExactPoint{x, yAt(line, x)};
    showPlane();
    say(practiceWords::traced(*Traced, TracedLine, lines.size() == 2, practiceWords::Form::Ear));
    return true;
}

// The plane drawn anew, and what it shows told to a screen reader as its description.
void PracticeWindow::showPlane()
{
    Plane->update();
    const bool asking = Current < static_cast<int>(Set.Tasks.size());
    Plane->setAccessibleDescription(asking ? practiceWords::planeDescription(task(), Hints, Pupil, Traced) : QString());
}

void PracticeWindow::say(const QString& text)
{
    Speaker->announce(text);
}

} // namespace zelmora
