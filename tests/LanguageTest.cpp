// SPDX-License-Identifier: MIT
// The window's language: Japanese unless English is asked for on the command line or kept from
// the 表示 → 言語 menu.
#include "WindowFixture.h"

#include "app/CommandLine.h"
#include "app/Messages.h"
#include "app/Startup.h"

#include <QMenu>
#include <QSettings>

#include <optional>

namespace zelmora::testing {
namespace {

class LanguageChoiceTest : public ::testing::Test {
protected:
    void TearDown() override { QSettings().remove(QStringLiteral("language")); }
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
        QSettings().remove(QStringLiteral("language"));
        if (row.Kept)
            saveLanguage(*row.Kept);
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
        QSettings().remove(QStringLiteral("language"));
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
        EXPECT_EQ(savedLanguage(), row.Kept);
        EXPECT_EQ(control<QLabel>("Label10")->text(), messages::languageChosen(row.Kept == Language::English));
        EXPECT_EQ(control<QAbstractButton>("Command4")->text(), before);
    }
}

} // namespace
} // namespace zelmora::testing
