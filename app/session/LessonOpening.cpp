// SPDX-License-Identifier: MIT
#include "app/session/LessonOpening.h"

#include <optional>
#include <utility>

namespace zelmora {

LessonOpening openLessonFile(
    const QString& path, const BoardPerformer& perform, BoardCommand command, const std::string& document)
{
    auto loaded = loadLessonFile(path);
    if (const auto* fault = std::get_if<LessonFault>(&loaded))
        return *fault;
    Lesson& lesson = std::get<Lesson>(loaded);
    std::optional<LessonRefusal> refusal;
    Outcome done;
    perform([&](Board& board) {
        auto opened = board.open(lesson, command, document);
        if (const auto* refused = std::get_if<LessonRefusal>(&opened)) {
            refusal = *refused;
            return Outcome{};
        }
        done = std::get<Outcome>(opened);
        return done;
    });
    if (refusal)
        return *refusal;
    return LessonOpened{std::move(lesson), std::move(done)};
}

LessonOpening openLessonFile(const QString& path, Board& board)
{
    return openLessonFile(path, [&board](const std::function<Outcome(Board&)>& command) { command(board); });
}

} // namespace zelmora
