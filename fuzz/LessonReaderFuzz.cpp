// SPDX-License-Identifier: MIT
// readLesson over any bytes: it never crashes; a refusal names a slot only within 1 to 8; a lesson
// it accepts has its size and chosen slot in range, notes only boxes of slots it holds as left out,
// reads back equal after writeLesson (which writes every box, so that none is left out any more),
// and writing that again gives the same bytes.
#include "FuzzCheck.h"
#include "lesson/LessonFile.h"

#include <cstdint>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto result = zelmora::readLesson(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (const auto* fault = std::get_if<zelmora::LessonFault>(&result)) {
        require(fault->Slot >= 0 && fault->Slot <= 8, "a refusal names slot 1 to 8 or none");
        return 0;
    }
    const auto& lesson = std::get<zelmora::Lesson>(result);
    require(lesson.Size >= 0 && lesson.Size <= 2, "the size is 小, 中 or 大");
    require(lesson.CurrentSlot >= 0 && lesson.CurrentSlot <= 7, "the chosen slot is １ to ８");

    for (std::size_t slot = 0; slot < lesson.Slots.size(); ++slot)
        require(lesson.Slots[slot] || !lesson.LeftOut[slot], "only a slot the lesson holds leaves a box out");

    const QByteArray written = zelmora::writeLesson(lesson);
    const auto reread = zelmora::readLesson(written);
    const auto* again = std::get_if<zelmora::Lesson>(&reread);
    require(again != nullptr, "a written lesson is read back");
    zelmora::Lesson whole = lesson;
    whole.LeftOut = {};
    require(*again == whole, "a written lesson reads back equal");
    require(zelmora::writeLesson(*again) == written, "writing a lesson read back gives the same bytes");
    return 0;
}
