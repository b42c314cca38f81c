// SPDX-License-Identifier: MIT
// The whole window under a long seeded stream of clicks, typing and keys: whatever the order,
// the window state stays sound after every event. ZELMORA_RANDOM_SEED replays another run and
// ZELMORA_RANDOM_EVENTS sets its length.
#include "HostileTexts.h"
#include "WindowFixture.h"

#include "slots/SlotTable.h"

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace zelmora::testing {
namespace {

unsigned long long environmentNumber(const char* name, unsigned long long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

const std::array<Qt::Key, 13> keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,
    Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backspace, Qt::Key_A, Qt::Key_Z, Qt::Key_Y};

// The answers to the question before a changed lesson is replaced.
const std::array<QString, 3> answers{u"保存する"_qs, u"保存しない"_qs, u"キャンセル"_qs};

const std::array<const char*, 14> clickable{"Command2", "Command3_0", "Command3_1", "Command3_2", "Command4",
    "Command5", "Option1_0", "Option1_1", "Option1_2", "Option1_3", "Option1_4", "Option1_5", "Option1_6", "Option1_7"};

class RandomEventsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        StartPicture = picture();
    }

    using Random = std::mt19937;

    static int below(Random& random, int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    static QString decimal(Random& random)
    {
        QString text = below(random, 3) == 0 ? QStringLiteral("-") : QString();
        text += QString::number(below(random, 2) == 0 ? below(random, 10) : below(random, 100000));
        if (below(random, 3) == 0)
            text += QStringLiteral(".") + QString::number(below(random, 1000));
        if (below(random, 6) == 0)
            text += QStringLiteral("E") + QString::number(below(random, 90) - 45);
        return text;
    }

    // As a Japanese input method types it: full-width forms, and a kana-mode minus now and then.
    static QString fullWidth(Random& random, const QString& ascii)
    {
        QString text;
        for (QChar c : ascii) {
            if (c == u'-' && below(random, 2) == 0)
                text += QChar(below(random, 2) == 0 ? 0x30FC : 0x2212);
            else
                text += QChar(c.unicode() + 0xFEE0);
        }
        return text;
    }

    static QString randomText(Random& random)
    {
        switch (below(random, 5)) {
        case 0:
        case 1:
            return decimal(random);
        case 2:
            return decimal(random) + QStringLiteral("/")
                + (below(random, 8) == 0 ? QStringLiteral("0") : decimal(random));
        case 3:
            return fullWidth(random, decimal(random) + (below(random, 2) == 0 ? QStringLiteral("/3") : QString()));
        default:
            return hostileTexts()[static_cast<std::size_t>(below(random, static_cast<int>(hostileTexts().size())))];
        }
    }

    static std::string shown(const QString& text)
    {
        std::string out;
        for (QChar c : text.left(40))
            out += c.isPrint() && c.unicode() < 0x80 ? std::string(1, c.toLatin1())
                                                     : "\\u" + QString::number(c.unicode(), 16).toStdString();
        return text.size() > 40 ? out + "..." : out;
    }

    // Performs one random event and says what it was.
    std::string randomEvent(Random& random)
    {
        const int kind = below(random, 1000);
        if (kind < 2) {
            click("Command1");
            return "click Command1";
        }
        if (kind < 100) {
            click("Command4");
            return "click Command4";
        }
        if (kind < 330) {
            const char* name = clickable[static_cast<std::size_t>(below(random, static_cast<int>(clickable.size())))];
            click(name);
            return std::string("click ") + name;
        }
        if (kind < 350)
            return menuCommand(random);
        if (kind < 650) {
            const Qt::Key key = keys[static_cast<std::size_t>(below(random, static_cast<int>(keys.size())))];
            // A is pressed with Ctrl: select all, so that the next text replaces the box's; Z and Y
            // too: undo and redo.
            const Qt::KeyboardModifiers modifiers
                = key == Qt::Key_A || key == Qt::Key_Z || key == Qt::Key_Y ? Qt::ControlModifier : Qt::NoModifier;
            QTest::keyClick(Window->windowHandle(), key, modifiers);
            return "key " + QKeySequence(QKeyCombination(modifiers, key)).toString().toStdString();
        }
        const QString text = randomText(random);
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            return "type (no focus)";
        // Half the time the text replaces the box's, as when the pupil selects it first.
        const bool replacing = below(random, 2) == 0;
        if (replacing)
            QTest::keyClick(Window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
        return std::string(replacing ? "replace with" : "type") + " \"" + shown(text) + "\" in "
            + target->objectName().toStdString();
    }

    // A command of the menu bar that opens no dialog: a new lesson, copying the picture, saving
    // (into the test's folder, under the name the window has or a new one), opening the lesson
    // saved there last.
    std::string menuCommand(Random& random)
    {
        const QString path = Folder.filePath(u"random%1.zelmora"_qs.arg(below(random, 3)));
        switch (below(random, 9)) {
        case 0:
            Window->findChild<QAction*>(u"New"_qs)->trigger();
            return "menu New";
        case 1:
            Window->findChild<QAction*>(u"CopyPicture"_qs)->trigger();
            return "menu CopyPicture";
        case 2:
            if (Window->fileName().isEmpty()) {
                Window->saveTo(path);
                return "save to " + path.toStdString();
            }
            Window->findChild<QAction*>(u"Save"_qs)->trigger();
            return "menu Save";
        case 3: {
            static const char* const marks[] = {"ShowNumbers", "ShowEquations", "ShowIntersections", "ShowEndpoints",
                "ShowSlope", "ValueTable", "Explore"};
            const char* mark = marks[below(random, 7)];
            Window->findChild<QAction*>(QString::fromLatin1(mark))->trigger();
            Window->activateWindow();
            return std::string("menu ") + mark;
        }
        case 4:
            Window->findChild<QAction*>(u"Undo"_qs)->trigger();
            return "menu Undo";
        case 5:
            Window->findChild<QAction*>(u"Redo"_qs)->trigger();
            return "menu Redo";
        case 6:
            return exploreEvent(random);
        default:
            Window->openFile(path);
            return "open " + path.toStdString();
        }
    }

    // A key on a slider of 動かして調べる, or its play started or stopped, when it is open.
    std::string exploreEvent(Random& random)
    {
        auto* explore = Window->findChild<QWidget*>(u"Explore"_qs);
        if (explore == nullptr || !explore->isVisible())
            return "explore (closed)";
        const QString suffix = below(random, 2) == 0 ? u"A"_qs : u"B"_qs;
        if (below(random, 5) == 0) {
            explore->findChild<QAbstractButton*>(u"ExplorePlay"_qs + suffix)->click();
            return "click ExplorePlay" + suffix.toStdString();
        }
        static const Qt::Key sliderKeys[]
            = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = sliderKeys[below(random, 6)];
        QTest::keyClick(explore->findChild<QWidget*>(u"ExploreSlider"_qs + suffix), key);
        return "key " + QKeySequence(key).toString().toStdString() + " on ExploreSlider" + suffix.toStdString();
    }

    // What is wrong with the window state, or nothing.
    std::string brokenInvariant() const
    {
        const int current = Form->board().currentSlot();
        if (current < 0 || current >= SlotTable::UserSlots)
            return "current slot " + std::to_string(current);
        for (int k = 0; k < SlotTable::UserSlots; ++k) {
            if (Options[static_cast<std::size_t>(k)]->isChecked() != (k == current))
                return "option button " + std::to_string(k) + " checked with slot " + std::to_string(current)
                    + " current";
        }
        const SlotTable& table = Form->board().slotTable();
        for (int slot = 0; slot < SlotTable::Rows; ++slot) {
            const std::string row = "slot " + std::to_string(slot) + ": ";
            const float drawn = table.cells()[static_cast<std::size_t>(slot)]; // the Drawn column
            if (drawn != 0.0f && drawn != 1.0f)
                return row + "Drawn is " + std::to_string(drawn);
            for (int column = 0; column < SlotTable::Columns; ++column) {
                const float value = table.get(slot, static_cast<SlotTable::Column>(column));
                if (slot >= SlotTable::UserSlots && value != 0.0f)
                    return row + "a slot no button selects was written";
                if (drawn == 1.0f && !std::isfinite(value))
                    return row + "column " + std::to_string(column) + " is not finite";
            }
            if (drawn == 1.0f && (table.get(slot, SlotTable::ADen) == 0.0f || table.get(slot, SlotTable::BDen) == 0.0f))
                return row + "a zero denominator was stored";
        }
        const QString shown = caption();
        const bool changed = !Window->fileName().isEmpty() && Form->board().isModified();
        if (shown != u"Zelmora (Tavrin)"_qs
            && !shown.endsWith(changed ? u".zelmora* — Zelmora (Tavrin)"_qs : u".zelmora — Zelmora (Tavrin)"_qs))
            return "the caption is " + shown.toStdString();
        if (Form->surface().penColour() != QColor(Qt::black))
            return "the pen is " + Form->surface().penColour().name().toStdString();
        return {};
    }

    void findOptions()
    {
        for (std::size_t k = 0; k < Options.size(); ++k)
            Options[k] = control<QRadioButton>(QStringLiteral("Option1_%1").arg(k).toLatin1());
    }

    // Runs the events, checking the window after each; a window closed by its exit button is
    // opened again. Says how many changed the table and how many closed the window.
    void run(unsigned long long seed, unsigned long long events, int& changes, int& exits)
    {
        Random random(static_cast<Random::result_type>(seed));
        findOptions();
        for (unsigned long long n = 0; n < events; ++n) {
            QWidget* exitButton = control("Command1");
            const bool exitFocused = Window->focusWidget() == exitButton;
            const auto cellsBefore = Form->board().slotTable().cells();
            Answerer.Answer = answers[static_cast<std::size_t>(below(random, 3))];
            const std::string event = randomEvent(random);
            // A question, once answered, may leave no window active; the pupil would click the window.
            if (Window->isVisible() && QApplication::activeWindow() != Window.get())
                Window->activateWindow();
            const std::string replay = "seed " + std::to_string(seed) + ", event " + std::to_string(n) + " (" + event
                + "); replay with ZELMORA_RANDOM_SEED=" + std::to_string(seed)
                + " ZELMORA_RANDOM_EVENTS=" + std::to_string(n + 1);

            if (!Window->isVisible()) {
                // Only the exit button closes the window, clicked or pressed from the keyboard.
                const bool pressedExit = event == "click Command1"
                    || (exitFocused && (event == "key Return" || event == "key Enter" || event == "key Space"));
                ASSERT_TRUE(pressedExit) << "the window closed at " << replay;
                ++exits;
                open();
                findOptions();
                StartPicture = picture();
                continue;
            }
            QCoreApplication::processEvents();
            const std::string problem = brokenInvariant();
            ASSERT_TRUE(problem.empty()) << problem << " after " << replay;
            changes += Form->board().slotTable().cells() != cellsBefore;
        }
    }

    std::array<QRadioButton*, SlotTable::UserSlots> Options{};
    QTemporaryDir Folder;
    // Answers the question before a changed lesson is replaced, as the event chose.
    QuestionAnswerer Answerer{answers[0]};
    // The picture of the window as it opened.
    QImage StartPicture;
};

TEST_F(RandomEventsTest, NoOrderOfClicksKeysAndTextBreaksTheWindowState)
{
    const auto seed = environmentNumber("ZELMORA_RANDOM_SEED", Random::default_seed);
    const auto events = environmentNumber("ZELMORA_RANDOM_EVENTS", 20000);
    int changes = 0;
    int exits = 0;
    run(seed, events, changes, exits);
    std::cout << events << " events, seed " << seed << ": " << changes << " changed the table, " << exits
              << " closed the window\n";
}

// Short runs, each followed by undoing every step: the lines, the scale, the boxes and the picture
// are then exactly as the window opened. Choosing a slot is no step, so the slot chosen before the
// first step stays; the marks of 表示 are settings, not steps, and are switched off first.
TEST_F(RandomEventsTest, UndoingEveryStepGivesTheWindowAsItOpened)
{
    std::size_t undone = 0;
    for (unsigned long long seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        int changes = 0;
        int exits = 0;
        run(seed, 150, changes, exits);
        if (HasFatalFailure())
            return;
        std::size_t steps = 0;
        while (Form->board().undoStep()) {
            Window->findChild<QAction*>(u"Undo"_qs)->trigger();
            ++steps;
        }
        ASSERT_LT(steps, History::Limit);
        undone += steps;
        for (const char* mark : {"ShowNumbers", "ShowEquations", "ShowIntersections", "ShowEndpoints", "ShowSlope"}) {
            QAction* item = Window->findChild<QAction*>(QString::fromLatin1(mark));
            if (item->isChecked())
                item->trigger();
        }
        const Board start;
        EXPECT_EQ(Form->board().slotTable().cells(), start.slotTable().cells());
        EXPECT_EQ(Form->board().unitPixels(), start.unitPixels());
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(box(k)->text(), QString()) << "box " << k;
        EXPECT_EQ(picture(), StartPicture);
        Window.reset();
        open();
        StartPicture = picture();
    }
    EXPECT_GT(undone, 8U) << "the runs took steps to undo";
}

} // namespace
} // namespace zelmora::testing
