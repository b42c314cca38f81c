// SPDX-License-Identifier: MIT
#pragma once

#include "board/Lesson.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace zelmora {

// A lesson file is UTF-8 JSON text (extension .zelmora) that pupils and teachers can also write by
// hand; these functions turn it into a Lesson and back, and read and save it on disk.

// Lesson files are refused beyond this many bytes.
inline constexpr std::int64_t LessonFileLimit = 1024 * 1024;

// Why a lesson could not be read or saved. Codes only: the program's message catalogue words them.
enum class LessonFaultCode {
    Empty,    // no bytes at all
    TooLarge, // more than LessonFileLimit bytes
    NotUtf8,
    NotJson,
    NotAnObject,    // JSON, but not an object at the top
    TooDeep,        // nested deeper than the JSON reader accepts
    NotALesson,     // "format" missing or not "zelmora-lesson"
    MissingKey,     // "version", or "slot" in a slot entry
    WrongType,      // a known key holds the wrong kind of value, or a fraction where a whole number belongs
    BadVersion,     // a version below 1
    NewerVersion,   // written by a newer program
    BadSize,        // "size" is not 小, 中 or 大
    TitleTooLong,   // "title" has more than MaxTitleLength characters
    SlotOutOfRange, // "currentSlot" or "slot" outside 1 to 8
    RepeatedSlot,   // a slot number listed twice
    SlotNotObject,  // an entry of "slots" that is not an object
    FileMissing,
    NotRegularFile, // a folder, FIFO, device or socket: never opened
    Unreadable,
    Unwritable,      // the file could not be saved; an old file stays as it was
    UnknownTaskKind, // a task's "kind" is none of equation, graph, range, crossing
    TaskNoValue,     // a text of a task's line has no exact value (or a zero denominator)
    TaskNoCrossing,  // the two lines of a crossing task do not meet at one point of both
    BadPoint,        // a point without a name, with a name too long or repeated, or a coordinate with no value
    TooManyPoints,   // more than 26 points
    UnknownPoint,    // "through" names a point the lesson does not have, or the same point twice
};

// A fault with what it concerns: the slot number (1 to 8, or 0 when none or unknown), the task
// number (from 1, or 0 when none), the key name (empty when none), for Unreadable and Unwritable the file error behind
// it, and for NotJson where the reader stopped: the line and the character in it, both from 1 (0 when unknown).
struct LessonFault {
    LessonFaultCode Code = LessonFaultCode::Empty;
    int Slot = 0;
    std::string Key;
    QFileDevice::FileError FileError = QFileDevice::NoError;
    int Line = 0;
    int Column = 0;
    int Task = 0;
    std::string Point{}; // the point's name, for the faults of points

    friend bool operator==(const LessonFault&, const LessonFault&) = default;
};

// Reads a lesson from the bytes of a lesson file. Absent keys take their defaults (size 中, slot
// １, no slots, no show options, empty texts, the first box a slot leaves out noted), keys it does
// not know are ignored, and the slot texts are kept exactly as written; anything else out of place
// refuses the whole file.
std::variant<Lesson, LessonFault> readLesson(QByteArrayView bytes);

// The lesson as the UTF-8 text of a lesson file: one key a line, each slot that holds a line on a
// line of its own, and a final line feed. The slot texts are UTF-8 (invalid sequences are written
// as U+FFFD); a size or current slot out of range is written as the nearest valid one.
QByteArray writeLesson(const Lesson& lesson);

// Reads the lesson file at path. Anything but a regular file (or a link to one) is refused before
// it is opened, so a FIFO or device never blocks the program; at most LessonFileLimit + 1 bytes are
// read.
std::variant<Lesson, LessonFault> loadLessonFile(const QString& path);

// Writes bytes to the file at path atomically, as the program writes every file it saves: the file
// is either the new bytes or, on any failure, as it was before (or still absent). The file system's
// error on failure.
std::optional<QFileDevice::FileError> saveFileAtomically(const QString& path, QByteArrayView bytes);

// Saves the lesson at path atomically: the file is either the new lesson or, on any failure, as it
// was before (or still absent).
std::optional<LessonFault> saveLessonFile(const QString& path, const Lesson& lesson);

} // namespace zelmora
