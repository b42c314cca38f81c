// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace zelmora {

class Board;

// Keeps a copy of the board as a lesson file in a folder of the user's data, so that no line is
// lost when the program is killed or crashes: written atomically on a timer shortly after each
// change, and left there at the end as the last board. Each running program writes a file of its
// own, held by a lock file while it runs; the newest few files are kept and older ones deleted.
class Recovery : public QObject {
    Q_OBJECT

public:
    // How many boards of earlier runs are kept.
    static constexpr int KeptFiles = 5;
    // How long after a change the board is written, in milliseconds.
    static constexpr int WriteDelay = 500;

    // Keeps the board in folder (made when first needed).
    Recovery(const Board& board, QString folder, QObject* parent = nullptr);
    ~Recovery() override;

    // The folder in the user's data where the boards are kept.
    static QString defaultFolder();

    // The board may have changed: it is written within WriteDelay if it did.
    void boardChanged();
    // Writes a change not written yet, at once: when the program ends.
    void flush();

    // The boards kept by programs that no longer run, the newest first.
    QStringList lastBoards() const;
    // This program's own file.
    QString fileName() const { return FileName; }

Q_SIGNALS:
    // The board could not be written (the folder cannot be made or written). Said once.
    void writeFailed();

private:
    void write();
    void removeOldFiles();

    const Board& State;
    QString Folder;
    QString FileName;
    std::unique_ptr<QLockFile> Lock;
    QTimer Timer;
    std::uint64_t WrittenVersion;
    bool Failed = false;
};

} // namespace zelmora
