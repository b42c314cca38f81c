// SPDX-License-Identifier: MIT
#include "app/session/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

namespace zelmora::testing {
namespace {

// A settings file as an earlier run left it, every value as text ("2", "true"): each is read under
// its key as the value it holds, so that a teacher's choices survive the move to typed settings.
TEST(SettingsTest, AnEarlierRunsFileIsReadAsTheValuesItHolds)
{
    const QString path = QSettings().fileName();
    QSettings().sync();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nlanguage=en\nrecentFiles=/a.zelmora, /b.zelmora\n"
               "[export]\nformat=3\nunits=8\nunitMillimetres=10\nproblem=true\nblackAndWhite=true\n"
               "[print]\npaper=2\nlandscape=true\nmarginMillimetres=15\notherUnitMillimetres=7.5\n"
               "centreOnLines=true\nperPage=4\nkind=2\nunitMillimetres=-1\nblackAndWhite=true\nplain=true\n"
               "[show]\nnumbers=true\nslope=true\n"
               "[valueTable]\ndocked=true\n");
    file.close();

    EXPECT_EQ(Settings::language(), Language::English);
    EXPECT_EQ(Settings::recentFiles(), (QStringList{u"/a.zelmora"_qs, u"/b.zelmora"_qs}));
    EXPECT_TRUE(Settings::valueTableDocked());
    ShowOptions shown;
    shown.Numbers = shown.Slope = true;
    EXPECT_EQ(Settings::showOptions(), shown);
    const ExportRemembered exported = Settings::exportChoices();
    EXPECT_EQ(exported.Format, 3);
    EXPECT_EQ(exported.Units, 8);
    EXPECT_EQ(exported.UnitMillimetres, 10.0);
    EXPECT_TRUE(exported.Problem && exported.BlackAndWhite);
    const PrintRemembered printed = Settings::printChoices();
    EXPECT_EQ(printed.PaperSize, Paper::A3);
    EXPECT_TRUE(printed.Landscape && printed.CentreOnLines && printed.BlackAndWhite && printed.Plain);
    EXPECT_EQ(printed.MarginMillimetres, 15.0);
    EXPECT_EQ(printed.TypedUnitMillimetres, 7.5);
    EXPECT_EQ(printed.PerPage, 4);
    EXPECT_EQ(printed.Kind, SheetKind::ProblemAndAnswer);
    EXPECT_EQ(printed.UnitMillimetres, -1.0);

    // Written back, a value keeps its key; forgotten, each is its default again.
    Settings::setPrintChoices(printed);
    QSettings().sync();
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(u"print/otherUnitMillimetres"_qs).toString(), u"7.5"_qs);
    Settings::clear();
    EXPECT_EQ(Settings::language(), Language::Japanese);
    EXPECT_EQ(Settings::printChoices().PaperSize, Paper::A4);
    EXPECT_EQ(Settings::showOptions(), ShowOptions{});
}

} // namespace
} // namespace zelmora::testing
