// SPDX-License-Identifier: MIT
#include "app/session/BoardSession.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelmora::testing {
namespace {

// A board belongs to the file it was saved to or opened from until it changes; a file that cannot
// be written or read leaves the board, its file and whoever follows it as they were. What a command
// answered is shown before the board's followers hear of it.
TEST(BoardSessionTest, TheBoardBelongsToItsFileAndAFaultChangesNothing)
{
    QTemporaryDir folder;
    BoardSession session;
    QStringList heard;
    QObject::connect(&session, &BoardSession::performed, [&heard] { heard << u"performed"_qs; });
    QObject::connect(&session, &BoardSession::boardChanged, [&heard] { heard << u"changed"_qs; });
    session.perform([](Board& board) { return board.draw({"2", "1", "-3", "3"}); });
    EXPECT_EQ(heard, (QStringList{u"performed"_qs, u"changed"_qs}));

    const QString path = folder.filePath(u"lesson.zelmora"_qs);
    ASSERT_FALSE(session.save(path));
    EXPECT_EQ(session.fileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(session.isModified());
    session.perform([](Board& board) { return board.draw({"1", "0", "", ""}); });
    EXPECT_TRUE(session.isModified());

    EXPECT_TRUE(session.save(folder.filePath(u"missing/other.zelmora"_qs)));
    const QString bad = folder.filePath(u"bad.zelmora"_qs);
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{");
    file.close();
    heard.clear();
    EXPECT_TRUE(std::holds_alternative<LessonFault>(session.open(bad)));
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_EQ(session.fileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(session.isModified());

    ASSERT_TRUE(std::holds_alternative<LessonOpened>(session.open(path)));
    EXPECT_FALSE(session.isModified());
    EXPECT_TRUE(session.board().holdsLine(0));
}

} // namespace
} // namespace zelmora::testing
