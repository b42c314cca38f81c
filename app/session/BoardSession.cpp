// SPDX-License-Identifier: MIT
#include "app/session/BoardSession.h"

#include "app/session/Recovery.h"

#include <QFileInfo>

namespace zelmora {

BoardSession::BoardSession(QObject* parent)
    : QObject(parent)
{
}

BoardSession::BoardSession(const QString& recoveryFolder, QObject* parent)
    : QObject(parent)
    , Keeper(new Recovery(State, recoveryFolder, this))
{
    connect(Keeper, &Recovery::writeFailed, this, &BoardSession::recoveryUnwritable);
}

BoardSession::~BoardSession() = default;

QString BoardSession::fileName() const
{
    return QString::fromStdString(State.document());
}

bool BoardSession::isModified() const
{
    return State.isModified();
}

Outcome BoardSession::perform(const std::function<Outcome(Board&)>& command)
{
    Outcome outcome = command(State);
    Q_EMIT performed(outcome);
    Q_EMIT boardChanged();
    if (Keeper != nullptr)
        Keeper->boardChanged();
    return outcome;
}

LessonOpening BoardSession::open(const QString& path)
{
    return openLessonFile(path, std::bind_front(&BoardSession::perform, this), BoardCommand::Open,
        QFileInfo(path).absoluteFilePath().toStdString());
}

bool BoardSession::recoverLast()
{
    for (const QString& path : lastBoards()) {
        if (std::holds_alternative<LessonOpened>(
                openLessonFile(path, std::bind_front(&BoardSession::perform, this), BoardCommand::Recover)))
            return true;
    }
    return false;
}

std::optional<LessonFault> BoardSession::save(const QString& path)
{
    if (auto fault = saveLessonFile(path, State.lesson()))
        return fault;
    const std::string document = QFileInfo(path).absoluteFilePath().toStdString();
    perform([&document](Board& board) {
        board.markSaved(document);
        return Outcome{};
    });
    return std::nullopt;
}

QStringList BoardSession::lastBoards() const
{
    return Keeper != nullptr ? Keeper->lastBoards() : QStringList();
}

void BoardSession::flush()
{
    if (Keeper != nullptr)
        Keeper->flush();
}

} // namespace zelmora
