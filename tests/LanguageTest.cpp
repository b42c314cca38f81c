// SPDX-License-Identifier: MIT
// The window's language: Japanese unless English is asked for on the command line or kept from
// the 表示 → 言語 menu.
#include "WindowFixture.h"

#include "app/form/PanelLayout.h"
#include "app/session/CommandLine.h"
#include "app/session/Startup.h"
#include "app/words/Messages.h"
#include "app/words/Speech.h"
#include "board/Trace.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <QWidget>

#include <functional>
#include <optional>

namespace zelmora::testing {
namespace {

class LanguageChoiceTest : public ::testing::Test {
protected:
    void TearDown() override { Settings::clear(); }
};

TEST_F(LanguageChoiceTest, CommandLineFirstThenTheKeptChoiceElseJapanese)
{
    const struct {
        const char* Why;
        QStringList Arguments;
        std::optional<Language> Kept;
        Language Expected;
    } rows[] = {
        {"nothing asked", {}, std::nullopt, Language::Japanese},
        {"--lang en", {u"--lang"_qs, u"en"_qs}, std::nullopt, Language::English},
        {"--lang=en", {u"--lang=en"_qs}, std::nullopt, Language::English},
        {"English kept", {}, Language::English, Language::English},
        {"Japanese kept", {}, Language::Japanese, Language::Japanese},
        {"--lang ja over English kept", {u"--lang"_qs, u"ja"_qs}, Language::English, Language::Japanese},
        {"--lang en over Japanese kept", {u"--lang"_qs, u"en"_qs}, Language::Japanese, Language::English},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        Settings::clear();
        if (row.Kept)
            Settings::setLanguage(*row.Kept);
        const CommandLine command = readCommandLine(QStringList{u"zelmora"_qs} + row.Arguments);
        ASSERT_EQ(command.Want, CommandLine::Mode::Window) << command.Mistake.toStdString();
        EXPECT_EQ(chosenLanguage(command.Language), row.Expected);
    }
}

TEST_F(LanguageChoiceTest, AnotherLanguageIsAMistake)
{
    for (const QString& language : {u"fr"_qs, u"EN"_qs, u""_qs}) {
        SCOPED_TRACE(language.toStdString());
        const CommandLine command = readCommandLine({u"zelmora"_qs, u"--lang"_qs, language});
        EXPECT_EQ(command.Want, CommandLine::Mode::Mistake);
        EXPECT_TRUE(command.Mistake.contains(u"--lang"_qs)) << command.Mistake.toStdString();
    }
}

// The language menu keeps the choice for the next start and says so; the window stays as it is.
class LanguageMenuTest : public WindowTest {
protected:
    void TearDown() override
    {
        WindowTest::TearDown();
        Settings::clear();
    }
};

TEST_F(LanguageMenuTest, EachItemKeepsItsLanguageForTheNextStart)
{
    const struct {
        const char* Item;
        Language Kept;
    } rows[] = {{"LanguageEnglish", Language::English}, {"LanguageJapanese", Language::Japanese}};
    const QString before = control<QAbstractButton>("Command4")->text();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Item);
        auto* item = Window->findChild<QAction*>(QString::fromLatin1(row.Item));
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_TRUE(item->isChecked());
        EXPECT_EQ(Settings::language(), row.Kept);
        EXPECT_EQ(control<QLabel>("Label10")->text(), messages::languageChosen(row.Kept == Language::English));
        EXPECT_EQ(control<QAbstractButton>("Command4")->text(), before);
    }
}

// A main window made while the English catalogue is installed; the catalogue goes with the test.
class EnglishWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(English.load(englishCatalogue()));
        QCoreApplication::installTranslator(&English);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&English);
    }

    QTranslator English;
};

// Captions in both languages: the panel's, the menus', and a 表示 mark's from the board's table.
struct Caption {
    const char* Name;
    const char16_t* Japanese;
    const char16_t* English;
};
constexpr Caption captions[] = {
    {"Command4", u"線を引く", u"Draw line"},
    {"Command2", u"初期画面", u"Reset"},
    {"Command3_1", u"中", u"M"},
    {"Label1", u"座標平面の大きさ", u"Plane size"},
    {"Label7_0", u"１～８本の線が引けます。", u"Draw up to 8 lines."},
    {"Option1_2", u"３", u"３"},
    {"Save", u"上書き保存(&S)", u"&Save"},
    {"ShowEquations", u"式(&Q)", u"E&quations"},
    {"LanguageEnglish", u"English(&E)", u"English(&E)"},
};

// What a screen reader says for controls whose caption is a sign.
constexpr Caption accessibleNames[] = {
    {"Option1_0", u"線１", u"Line 1"},
    {"Command3_2", u"座標平面の大きさ 大", u"Plane size L"},
    {"Text3", u"変域の下限", u"lower bound"},
};

// The text of the control or menu item of that name.
QString captionOf(const MainWindow& window, const char* name)
{
    const QString objectName = QString::fromLatin1(name);
    if (const auto* action = window.findChild<QAction*>(objectName))
        return action->text();
    if (const auto* button = window.findChild<QAbstractButton*>(objectName))
        return button->text();
    if (const auto* label = window.findChild<QLabel*>(objectName))
        return label->text();
    return u"(no control)"_qs;
}

// Every control stands where the layout table puts it, whatever its caption.
void expectLayoutGeometry(const Form1& form)
{
    EXPECT_EQ(form.size(), QSize(FormWidth, FormHeight));
    for (const ControlRow& row : panelLayout()) {
        const auto* widget = form.findChild<QWidget*>(QString::fromLatin1(row.Name.data(), qsizetype(row.Name.size())));
        ASSERT_NE(widget, nullptr) << row.Name;
        EXPECT_EQ(widget->geometry(), QRect(row.Place.Left, row.Place.Top, row.Place.Width, row.Place.Height))
            << row.Name;
    }
}

TEST_F(WindowTest, JapaneseCaptionsWithoutTheCatalogue)
{
    for (const Caption& caption : captions)
        EXPECT_EQ(captionOf(*Window, caption.Name), QString::fromUtf16(caption.Japanese)) << caption.Name;
    for (const Caption& name : accessibleNames)
        EXPECT_EQ(control(name.Name)->accessibleName(), QString::fromUtf16(name.Japanese)) << name.Name;
    expectLayoutGeometry(*Form);
}

TEST_F(EnglishWindowTest, EnglishCaptionsInTheSameLayout)
{
    for (const Caption& caption : captions)
        EXPECT_EQ(captionOf(*Window, caption.Name), QString::fromUtf16(caption.English)) << caption.Name;
    for (const Caption& name : accessibleNames)
        EXPECT_EQ(control(name.Name)->accessibleName(), QString::fromUtf16(name.English)) << name.Name;
    expectLayoutGeometry(*Form);
}

// No Japanese word is left on the English panel, in the names a screen reader says for it or in its
// menus: a caption marked for the catalogue but not translated there, or one never marked, shows up here.
TEST_F(EnglishWindowTest, NoJapaneseLeftOnThePanelOrInTheMenus)
{
    static const QRegularExpression japanese(u"[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"_qs);
    int checked = 0;
    for (const QObject* child : Window->findChildren<QObject*>()) {
        QString text;
        if (const auto* action = qobject_cast<const QAction*>(child))
            text = action->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            text = button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(child))
            text = label->text();
        if (const auto* widget = qobject_cast<const QWidget*>(child))
            text += widget->accessibleName();
        // The language menu names each language in itself.
        if (text.isEmpty() || child->objectName() == u"LanguageJapanese"_qs)
            continue;
        ++checked;
        EXPECT_FALSE(text.contains(japanese)) << child->objectName().toStdString() << ": " << text.toStdString();
    }
    EXPECT_GE(checked, 40);
}

// Messages and spoken texts are looked up in their own contexts: one row each for a few of them.
TEST(LanguageTexts, MessagesAndSpokenTextsInEachLanguage)
{
    const struct {
        const char* Why;
        std::function<QString()> Text;
        const char16_t* Japanese;
        const char16_t* English;
    } rows[] = {
        {"a refusal",
            [] {
                return messages::refusal({EntryBox::A, EntryFault::ZeroDenominator});
            },
            u"ａの分母が０です。", u"The denominator of ａ is 0."},
        {"the undo item", [] { return messages::undoText({}); }, u"元に戻す(&U)", u"&Undo"},
        {"a step's name",
            [] {
                return messages::stepName({BoardCommand::Size, 2});
            },
            u"大きさを大に", u"Size L"},
        {"a line erased", [] { return speech::lineErased(2); }, u"線３を消しました。", u"Line 3 erased."},
        {"a mark shown", [] { return speech::markShown(&ShowOptions::Equations, true); }, u"式を表示します。",
            u"Equations shown."},
        {"colours off", [] { return speech::markShown(&ShowOptions::Colours, false); }, u"線をすべて青で引きます。",
            u"All lines in blue."},
        {"nothing to undo", [] { return speech::nothingToUndo(); }, u"元に戻すことはありません。", u"Nothing to undo."},
        {"nothing to redo", [] { return speech::nothingToRedo(); }, u"やり直すことはありません。", u"Nothing to redo."},
        {"undo, with the board it leaves",
            [] {
                return speech::undone(Board(), {BoardCommand::InitialScreen, 0});
            },
            u"元に戻しました：初期画面。線はありません。", u"Undone: Reset. No lines."},
        {"新規", [] { return speech::newLesson(); }, u"新しい授業にしました。線はありません。",
            u"New lesson. No lines."},
        {"a lesson opened",
            [] {
                Board board;
                board.draw({"1", "0", "0", "1"});
                return speech::lessonOpened(u"a.zelmora"_qs, board);
            },
            u"「a.zelmora」を開きました。線が1本あります。線１：y＝エックス、エックスは0から1まで。",
            u"Opened a.zelmora. Lines: 1. Line 1: y = x, x from 0 to 1."},
        {"a fraction said as a word, never heard as −2/(3x)",
            [] {
                Board board;
                board.draw({"-2/3", "1", "0", "1"});
                return speech::equation(*board.line(0));
            },
            u"y＝−3分の2エックス＋1", u"y = minus 2 thirds x + 1"},
        {"a denominator past 12 and a minus between terms, in ASCII",
            [] {
                Board board;
                board.draw({"5/13", "-1", "0", "1"});
                return speech::equation(*board.line(0));
            },
            u"y＝13分の5エックス−1", u"y = 5 thirteenths x minus 1"},
        {"pairs and sentences in the language's punctuation",
            [] {
                Board board;
                board.draw({"1/2", "0", "0", "1"});
                return speech::valuePairs(board.slotTable(), board.lineForms(), 0, std::nullopt) + u" | "_qs
                    + speech::traceAnnouncement(TracePoint{0, 0, 0}, TracePoint{0, 1, mpq_class(1, 2)});
            },
            u"エックスが0のときyは0、エックスが1のときyは2分の1。 | "
            u"線１、エックス1、y2分の1。エックスが1増えるとyは2分の1増える。",
            u"When x is 0, y is 0, when x is 1, y is 1 half. | Line 1, x 1, y 1 half. x up by 1, y up by 1 half."},
        {"pairs, a cell and the tracing point at an open end",
            [] {
                Board board;
                board.draw({"1/2", "0", "0", "1"});
                board.setOpenEnd(0, EntryBox::To, true);
                const TracePoint end{0, 1, mpq_class(1, 2)};
                return speech::valuePairs(board.slotTable(), board.lineForms(), 0, std::nullopt) + u" | "_qs
                    + speech::leftOutValue(speech::number(end.Y)) + u" | "_qs + speech::traceCoordinates(end, true);
            },
            u"エックスが0のときyは0、エックスが1のときyは2分の1、ただしこの点は含まない。 | 2分の1、含まない | "
            u"(1, 1/2)（含まない）",
            u"When x is 0, y is 0, when x is 1, y would be 1 half, but this point is not included. | 1 half, not "
            u"included | (1, 1/2) (not included)"},
        {"Esc while tracing", [] { return speech::traceEnded(); }, u"点を消しました。", u"Point removed."},
        {"sentences said one after another",
            [] {
                Board board;
                board.draw({"1/2", "0", "0", "1"});
                return speech::oneAfterAnother(
                           speech::noOtherLine(), speech::traceAnnouncement(std::nullopt, TracePoint{0, 0, 0}))
                    + u" | "_qs
                    + speech::oneAfterAnother(speech::valueTableOpened(0),
                        speech::valuePairs(board.slotTable(), board.lineForms(), 0, std::nullopt));
            },
            u"ほかの線はありません。線１、エックス0、y0。 | 値の表を開きました。線１の表です。"
            u"エックスが0のときyは0、エックスが1のときyは2分の1。",
            u"No other lines. Line 1, x 0, y 0. | Table of values opened, for line 1. "
            u"When x is 0, y is 0, when x is 1, y is 1 half."},
        {"a lesson's sizes quoted and a slot repeated",
            [] {
                LessonFault fault;
                fault.Code = LessonFaultCode::BadSize;
                const QString size = messages::lessonFault(fault);
                fault.Code = LessonFaultCode::RepeatedSlot;
                fault.Slot = 3;
                return size + u" | "_qs + messages::lessonFault(fault);
            },
            u"大きさは「小」「中」「大」のどれかです。 | 線３が二度あります。",
            u"The size is one of \"小\" \"中\" \"大\". | Line 3 is there twice."},
        {"the table's facts, each a sentence, with a crossing in 29ths",
            [] {
                Board board;
                board.draw({"-2/3", "1", "-3", "3"});
                board.draw({"5/7", "-1", "-3", "3"});
                return speech::joinedSentences(speech::valueTableFacts(board.slotTable(), 0));
            },
            u"y＝−3分の2エックス＋1。エックスは−3から3まで。変化の割合は−3分の2。切片は1。yの変域は−1から3まで。"
            u"線２とはエックス29分の42、y29分の1で交わる",
            u"y = minus 2 thirds x + 1. x from minus 3 to 3. Rate of change minus 2 thirds. Intercept 1. "
            u"y from minus 1 to 3. Crosses line 2 at x 42 twenty-ninths, y 1 twenty-ninth"},
        {"a play stopped", [] { return speech::playStopped(u"ａ"_qs, Board(), 0); }, u"ａを止めました。",
            u"ａ stopped."},
        {"a line of length 0",
            [] {
                return messages::notice(ZeroLengthLine{1, 0});
            },
            u"線２は長さ０の線です（χは0から0まで）。", u"Line 2 has length 0 (χ from 0 to 0)."},
        {"a lesson's line refused",
            [] {
                return messages::lessonRefusal({2, {EntryBox::A, EntryFault::ZeroDenominator}});
            },
            u"線３のａの分母が０です。", u"Line 3: The denominator of ａ is 0."},
        {"a point put outside the picture, two sentences",
            [] {
                return messages::notice(PointNotice{"P", ExactPoint{20, mpq_class(-1, 2)}, true, false});
            },
            u"点P(20, −1/2)をとりました。図の外です。", u"P(20, −1/2) plotted. Off the picture."},
        {"notices listed", [] { return messages::lessonOpenedWithNotices(u"a.zelmora"_qs); },
            u"「a.zelmora」を開きました。次のところは読み方を変えました。",
            u"Opened a.zelmora. These were read differently:"},
    };
    QTranslator english;
    ASSERT_TRUE(english.load(englishCatalogue()));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        EXPECT_EQ(row.Text(), QString::fromUtf16(row.Japanese));
        QCoreApplication::installTranslator(&english);
        EXPECT_EQ(row.Text(), QString::fromUtf16(row.English));
        QCoreApplication::removeTranslator(&english);
    }
}

} // namespace
} // namespace zelmora::testing
