// SPDX-License-Identifier: MIT
#include "app/session/Recovery.h"

#include "board/Board.h"
#include "lesson/LessonFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const QStringList boardFiles{u"*.zelmora"_s};

QString lockName(const QString& path)
{
    return path + u".lock"_s;
}

// A board whose program has ended (normally or not) leaves no live lock: a lock of a process that
// no longer runs is stale and taken over at once.
bool isLeftBehind(const QString& path)
{
    QLockFile lock(lockName(path));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

} // namespace

Recovery::Recovery(const Board& board, QString folder, QObject* parent)
    : QObject(parent)
    , State(board)
    , Folder(std::move(folder))
    , FileName(QDir(Folder).filePath(
          u"board-%1-%2.zelmora"_s.arg(QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-zzz"_s),
              QString::number(QCoreApplication::applicationPid()))))
    , WrittenVersion(board.version())
{
    Timer.setSingleShot(true);
    Timer.setInterval(WriteDelay);
    connect(&Timer, &QTimer::timeout, this, &Recovery::write);
}

Recovery::~Recovery() = default;

QString Recovery::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(u"recovery"_s);
}

void Recovery::boardChanged()
{
    if (State.version() != WrittenVersion && !Timer.isActive())
        Timer.start();
}

void Recovery::flush()
{
    if (Timer.isActive()) {
        Timer.stop();
        write();
    }
}

// Nothing touches the disk before the first change, so that starting the program costs nothing.
void Recovery::write()
{
    const std::uint64_t version = State.version();
    if (!Lock) {
        auto lock = std::make_unique<QLockFile>(lockName(FileName));
        lock->setStaleLockTime(0);
        if (!QDir().mkpath(Folder) || !lock->tryLock(0)) {
            if (!std::exchange(Failed, true))
                Q_EMIT writeFailed();
            return;
        }
        Lock = std::move(lock);
        removeOldFiles();
    }
    if (saveLessonFile(FileName, State.lesson())) {
        if (!std::exchange(Failed, true))
            Q_EMIT writeFailed();
        return;
    }
    WrittenVersion = version;
}

QStringList Recovery::lastBoards() const
{
    QStringList boards;
    const QFileInfoList files = QDir(Folder).entryInfoList(boardFiles, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (file.absoluteFilePath() != QFileInfo(FileName).absoluteFilePath() && isLeftBehind(file.absoluteFilePath()))
            boards.append(file.absoluteFilePath());
    }
    return boards;
}

// The newest files stay, this program's own among them; older ones go unless their program still
// runs.
void Recovery::removeOldFiles()
{
    const QFileInfoList files = QDir(Folder).entryInfoList(boardFiles, QDir::Files, QDir::Time);
    int kept = 1; // this program's own file
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path == QFileInfo(FileName).absoluteFilePath())
            continue;
        if (kept < KeptFiles) {
            ++kept;
            continue;
        }
        QLockFile lock(lockName(path));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            QFile::remove(path);
            lock.unlock();
        }
    }
}

} // namespace zelmora
