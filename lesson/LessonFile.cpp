// SPDX-License-Identifier: MIT
#include "lesson/LessonFile.h"

#include "facts/PointLine.h"
#include "plane/PlaneGeometry.h"
#include "practice/TaskGenerator.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zelmora {

namespace {

constexpr QLatin1StringView formatName("zelmora-lesson");
// Version 2 brought vertical lines, which a slot entry gives as an equation without a and b; a
// lesson without one is written as version 1, which older programs open as before.
constexpr int lessonVersion = 2;
constexpr int verticalLinesVersion = 2;

// The keys of a slot entry, in the order of EntryBox.
constexpr std::array<const char*, EntryBoxCount> boxKeys = {"a", "b", "from", "to"};

LessonFault fault(LessonFaultCode code, const char* key = "", int slot = 0)
{
    return LessonFault{code, slot, key, QFileDevice::NoError};
}

LessonFault fileFault(LessonFaultCode code, QFileDevice::FileError error)
{
    return LessonFault{code, 0, {}, error};
}

QJsonValue member(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1StringView(key));
}

// JSON has only one kind of number: a whole number is one without a fractional part, so 2.0
// counts as 2 (the JSON reader refuses numbers beyond the double range, so all are finite).
bool isWholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::isfinite(number) && std::trunc(number) == number;
}

// Where the JSON reader stopped, as a text editor counts: the line, and the character in it (not
// the byte: the text is UTF-8), both from 1. The reader's offset lies just past the character it
// could not take.
LessonFault syntaxFault(QByteArrayView bytes, qsizetype offset)
{
    const QByteArrayView before = bytes.first(std::clamp<qsizetype>(offset - 1, 0, bytes.size()));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    LessonFault syntax = fault(LessonFaultCode::NotJson);
    syntax.Line = static_cast<int>(before.count('\n')) + 1;
    const QByteArrayView line = before.sliced(lineStart);
    // Every byte but the continuation bytes of a sequence starts a character.
    syntax.Column = static_cast<int>(std::count_if(line.begin(), line.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    })) + 1;
    return syntax;
}

// A slot number, 1 to 8, from a value that is present.
std::variant<int, LessonFault> readSlotNumber(const QJsonValue& value, const char* key)
{
    if (!isWholeNumber(value))
        return fault(LessonFaultCode::WrongType, key);
    const double number = value.toDouble();
    if (number < 1 || number > SlotTable::UserSlots)
        return fault(LessonFaultCode::SlotOutOfRange, key);
    return static_cast<int>(number);
}

std::optional<LessonFault> readVersion(const QJsonObject& root)
{
    const QJsonValue value = member(root, "version");
    if (value.isUndefined())
        return fault(LessonFaultCode::MissingKey, "version");
    if (!isWholeNumber(value))
        return fault(LessonFaultCode::WrongType, "version");
    if (value.toDouble() < 1)
        return fault(LessonFaultCode::BadVersion, "version");
    if (value.toDouble() > lessonVersion)
        return fault(LessonFaultCode::NewerVersion, "version");
    return std::nullopt;
}

std::optional<LessonFault> readSize(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "size");
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString())
        return fault(LessonFaultCode::WrongType, "size");
    const auto size = std::ranges::find_if(
        PlaneSizes, [text = value.toString()](const PlaneSize& size) { return text == QStringView(size.Name); });
    if (size == PlaneSizes.end())
        return fault(LessonFaultCode::BadSize, "size");
    lesson.Size = static_cast<int>(size - PlaneSizes.begin());
    return std::nullopt;
}

// The title is new in version 1's lessons: readers before it ignore the key, as readers ignore
// every key they do not know.
std::optional<LessonFault> readTitle(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "title");
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString())
        return fault(LessonFaultCode::WrongType, "title");
    const QString title = value.toString();
    if (title.toUcs4().size() > MaxTitleLength)
        return fault(LessonFaultCode::TitleTooLong, "title");
    lesson.Title = title.toStdString();
    return std::nullopt;
}

std::optional<LessonFault> readCurrentSlot(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "currentSlot");
    if (value.isUndefined())
        return std::nullopt;
    const auto number = readSlotNumber(value, "currentSlot");
    if (const auto* refused = std::get_if<LessonFault>(&number))
        return *refused;
    lesson.CurrentSlot = std::get<int>(number) - 1;
    return std::nullopt;
}

std::optional<LessonFault> readShow(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "show");
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return fault(LessonFaultCode::WrongType, "show");
    const QJsonObject object = value.toObject();
    ShowOptions show;
    for (const ShowMark& key : ShowMarks) {
        const QJsonValue flag = member(object, key.Key);
        if (flag.isUndefined())
            continue;
        if (!flag.isBool())
            return fault(LessonFaultCode::WrongType, key.Key);
        show.*key.Member = flag.toBool();
    }
    lesson.Show = show;
    return std::nullopt;
}

std::optional<LessonFault> readSlotEntry(const QJsonValue& entry, Lesson& lesson)
{
    if (!entry.isObject())
        return fault(LessonFaultCode::SlotNotObject, "slots");
    const QJsonObject object = entry.toObject();
    const QJsonValue slotValue = member(object, "slot");
    if (slotValue.isUndefined())
        return fault(LessonFaultCode::MissingKey, "slot");
    const auto number = readSlotNumber(slotValue, "slot");
    if (const auto* refused = std::get_if<LessonFault>(&number))
        return *refused;
    const int slot = std::get<int>(number);
    auto& texts = lesson.Slots[static_cast<std::size_t>(slot - 1)];
    if (texts)
        return fault(LessonFaultCode::RepeatedSlot, "slot", slot);

    // A line through two named points needs no a or b: they are worked out on opening.
    const QJsonValue through = member(object, "through");
    if (!through.isUndefined()) {
        const QJsonArray names = through.toArray();
        if (!through.isArray() || names.size() != 2 || !names[0].isString() || !names[1].isString())
            return fault(LessonFaultCode::WrongType, "through", slot);
        lesson.Through[static_cast<std::size_t>(slot - 1)]
            = std::array{names[0].toString().toStdString(), names[1].toString().toStdString()};
    }
    // The equation a line was typed as; with neither a nor b, a vertical line, whose "from" and
    // "to" are of y.
    const QJsonValue equation = member(object, "equation");
    if (!equation.isUndefined()) {
        if (!equation.isString())
            return fault(LessonFaultCode::WrongType, "equation", slot);
        const bool vertical = member(object, "a").isUndefined() && member(object, "b").isUndefined();
        lesson.Equations[static_cast<std::size_t>(slot - 1)]
            = LessonEquation{equation.toString().toStdString(), vertical};
    }
    EntryTexts read;
    for (std::size_t box = 0; box < EntryBoxCount; ++box) {
        const QJsonValue text = member(object, boxKeys[box]);
        const bool noCoefficients = (!equation.isUndefined() || !through.isUndefined()) && box < 2;
        if (text.isUndefined() && noCoefficients)
            continue;
        if (text.isUndefined()) {
            auto& leftOut = lesson.LeftOut[static_cast<std::size_t>(slot - 1)];
            if (!leftOut)
                leftOut = static_cast<EntryBox>(box);
            continue;
        }
        if (!text.isString())
            return fault(LessonFaultCode::WrongType, boxKeys[box], slot);
        read[box] = text.toString().toStdString();
    }
    // Which ends of the domain are left open; closed when not said.
    OpenEnds& open = lesson.Open[static_cast<std::size_t>(slot - 1)];
    for (const auto& [key, end] : {std::pair{"fromOpen", &OpenEnds::From}, std::pair{"toOpen", &OpenEnds::To}}) {
        const QJsonValue flag = member(object, key);
        if (flag.isUndefined())
            continue;
        if (!flag.isBool())
            return fault(LessonFaultCode::WrongType, key, slot);
        open.*end = flag.toBool();
    }
    texts = std::move(read);
    return std::nullopt;
}

std::optional<LessonFault> readSlots(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "slots");
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isArray())
        return fault(LessonFaultCode::WrongType, "slots");
    for (const QJsonValue& entry : value.toArray()) {
        if (auto refused = readSlotEntry(entry, lesson))
            return refused;
    }
    return std::nullopt;
}

LessonFault pointFault(LessonFaultCode code, const char* key, const std::string& name)
{
    LessonFault refused = fault(code, key);
    refused.Point = name;
    return refused;
}

// The points, each with a name and two coordinates the a box would read; then every name "through"
// gives must be one of them, and the two different.
std::optional<LessonFault> readPoints(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue value = member(root, "points");
    if (!value.isUndefined()) {
        if (!value.isArray())
            return fault(LessonFaultCode::WrongType, "points");
        if (value.toArray().size() > static_cast<qsizetype>(MaxPoints))
            return fault(LessonFaultCode::TooManyPoints, "points");
        std::vector<NamedPoint> read;
        for (const QJsonValue& entry : value.toArray()) {
            const QJsonObject object = entry.toObject();
            LessonPoint point;
            for (const auto& [key, text] : {std::pair{"name", &point.Name}, {"x", &point.X}, {"y", &point.Y}}) {
                const QJsonValue field = member(object, key);
                if (!entry.isObject() || !field.isString())
                    return fault(field.isUndefined() ? LessonFaultCode::MissingKey : LessonFaultCode::WrongType, key);
                *text = field.toString().toStdString();
            }
            auto made = readPoint(point.Name, point.X, point.Y);
            if (std::holds_alternative<PointRefusal>(made))
                return pointFault(LessonFaultCode::BadPoint, "points", point.Name);
            if (pointNamed(read, std::get<NamedPoint>(made).Name) != nullptr)
                return pointFault(LessonFaultCode::BadPoint, "name", point.Name);
            read.push_back(std::get<NamedPoint>(std::move(made)));
            lesson.Points.push_back(std::move(point));
        }
        for (std::size_t k = 0; k < read.size(); ++k)
            lesson.Points[k].Name = read[k].Name;
    }
    for (std::size_t slot = 0; slot < lesson.Through.size(); ++slot) {
        const auto& names = lesson.Through[slot];
        if (!names)
            continue;
        const auto known = [&](const std::string& name) {
            return std::ranges::any_of(lesson.Points, [&](const LessonPoint& p) { return p.Name == name; });
        };
        for (const std::string& name : *names) {
            if (!known(name)) {
                LessonFault refused = pointFault(LessonFaultCode::UnknownPoint, "through", name);
                refused.Slot = static_cast<int>(slot) + 1;
                return refused;
            }
        }
        if ((*names)[0] == (*names)[1]) {
            LessonFault refused = pointFault(LessonFaultCode::UnknownPoint, "through", (*names)[0]);
            refused.Slot = static_cast<int>(slot) + 1;
            return refused;
        }
    }
    return std::nullopt;
}

LessonFault taskFault(LessonFaultCode code, const char* key, int task)
{
    LessonFault refused = fault(code, key);
    refused.Task = task;
    return refused;
}

// A task's line: an object with the texts a, b, from and to, each present (a task is checked
// exactly, so no box may be left to read as empty).
std::variant<EntryTexts, LessonFault> readTaskLine(const QJsonValue& value, const char* key, int task)
{
    if (!value.isObject())
        return taskFault(value.isUndefined() ? LessonFaultCode::MissingKey : LessonFaultCode::WrongType, key, task);
    const QJsonObject object = value.toObject();
    EntryTexts texts;
    for (std::size_t box = 0; box < EntryBoxCount; ++box) {
        const QJsonValue text = member(object, boxKeys[box]);
        if (text.isUndefined())
            return taskFault(LessonFaultCode::MissingKey, boxKeys[box], task);
        if (!text.isString())
            return taskFault(LessonFaultCode::WrongType, boxKeys[box], task);
        texts[box] = text.toString().toStdString();
    }
    return texts;
}

std::variant<PracticeTask, LessonFault> readTask(const QJsonValue& entry, int number)
{
    if (!entry.isObject())
        return taskFault(LessonFaultCode::WrongType, "tasks", number);
    const QJsonObject object = entry.toObject();
    const QJsonValue kindValue = member(object, "kind");
    if (kindValue.isUndefined())
        return taskFault(LessonFaultCode::MissingKey, "kind", number);
    if (!kindValue.isString())
        return taskFault(LessonFaultCode::WrongType, "kind", number);
    const auto kind = taskKindNamed(kindValue.toString().toStdString());
    if (!kind)
        return taskFault(LessonFaultCode::UnknownTaskKind, "kind", number);
    PracticeTask task{*kind, {}};
    if (*kind == TaskKind::Crossing) {
        const QJsonValue lines = member(object, "lines");
        if (lines.isUndefined())
            return taskFault(LessonFaultCode::MissingKey, "lines", number);
        if (!lines.isArray() || lines.toArray().size() != 2)
            return taskFault(LessonFaultCode::WrongType, "lines", number);
        for (const QJsonValue& line : lines.toArray()) {
            auto read = readTaskLine(line, "lines", number);
            if (const auto* refused = std::get_if<LessonFault>(&read))
                return *refused;
            task.Lines.push_back(std::get<EntryTexts>(std::move(read)));
        }
    } else {
        auto read = readTaskLine(member(object, "line"), "line", number);
        if (const auto* refused = std::get_if<LessonFault>(&read))
            return *refused;
        task.Lines.push_back(std::get<EntryTexts>(std::move(read)));
    }
    if (const auto fault = zelmora::taskFault(task)) {
        const bool crossing = fault->Code == TaskFaultCode::NoCrossing;
        return taskFault(crossing ? LessonFaultCode::TaskNoCrossing : LessonFaultCode::TaskNoValue,
            *kind == TaskKind::Crossing ? "lines" : "line", number);
    }
    return task;
}

// The tasks, and the seed they were made from when the program made them.
std::optional<LessonFault> readPractice(const QJsonObject& root, Lesson& lesson)
{
    const QJsonValue seed = member(root, "seed");
    if (!seed.isUndefined()) {
        // JSON's numbers are doubles: whole seeds up to 2^53 come through exactly.
        if (!isWholeNumber(seed) || seed.toDouble() < 0 || seed.toDouble() > static_cast<double>(MaxSeed))
            return fault(LessonFaultCode::WrongType, "seed");
        lesson.Practice.Seed = static_cast<std::uint64_t>(seed.toDouble());
    }
    const QJsonValue value = member(root, "tasks");
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isArray())
        return fault(LessonFaultCode::WrongType, "tasks");
    int number = 0;
    for (const QJsonValue& entry : value.toArray()) {
        auto task = readTask(entry, ++number);
        if (const auto* refused = std::get_if<LessonFault>(&task))
            return *refused;
        lesson.Practice.Tasks.push_back(std::get<PracticeTask>(std::move(task)));
    }
    return std::nullopt;
}

// A string as a JSON string literal, quotes included. Qt's writer does the escaping, so quotes,
// backslashes and control characters come out as any JSON reader expects. U+FEFF is written as an
// escape as well: Qt's reader drops it from the start of a string written without escapes, taking
// it for a byte-order mark, and the text would not read back as it was.
QByteArray quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2).replace("\xEF\xBB\xBF", "\\ufeff");
}

// Keeps a leading U+FEFF, which QString::fromStdString would drop as a byte-order mark.
QByteArray quoted(const std::string& text)
{
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return quoted(utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
}

const char* flag(bool on)
{
    return on ? "true" : "false";
}

// Closes the file descriptor it owns.
struct Descriptor {
    int Number = -1;

    explicit Descriptor(int number)
        : Number(number)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (Number >= 0)
            ::close(Number);
    }
};

} // namespace

std::variant<Lesson, LessonFault> readLesson(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return fault(LessonFaultCode::Empty);
    if (bytes.size() > LessonFileLimit)
        return fault(LessonFaultCode::TooLarge);
    // Stateless, so that a sequence cut off at the end counts as an error instead of being kept
    // back for input that never comes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        return fault(LessonFaultCode::NotUtf8);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error == QJsonParseError::DeepNesting)
        return fault(LessonFaultCode::TooDeep);
    if (error.error != QJsonParseError::NoError)
        return syntaxFault(bytes, error.offset);
    if (!document.isObject())
        return fault(LessonFaultCode::NotAnObject);
    const QJsonObject root = document.object();

    const QJsonValue format = member(root, "format");
    if (!format.isString() || format.toString() != formatName)
        return fault(LessonFaultCode::NotALesson, "format");
    // The version comes before every other key: a newer lesson may use them differently.
    if (auto refused = readVersion(root))
        return *refused;

    Lesson lesson;
    for (auto part : {readTitle, readSize, readCurrentSlot, readShow, readSlots, readPoints, readPractice}) {
        if (auto refused = part(root, lesson))
            return *refused;
    }
    return lesson;
}

QByteArray writeLesson(const Lesson& lesson)
{
    const int size = std::clamp(lesson.Size, 0, static_cast<int>(PlaneSizes.size()) - 1);
    const int currentSlot = std::clamp(lesson.CurrentSlot, 0, SlotTable::UserSlots - 1);

    const bool vertical
        = std::ranges::any_of(lesson.Equations, [](const auto& equation) { return equation && equation->Vertical; });
    QByteArray out = "{\n  \"format\": " + quoted(formatName)
        + ",\n  \"version\": " + QByteArray::number(vertical ? verticalLinesVersion : 1);
    if (!lesson.Title.empty())
        out += ",\n  \"title\": " + quoted(lesson.Title);
    out += ",\n  \"size\": " + quoted(QStringView(PlaneSizes[static_cast<std::size_t>(size)].Name).toString())
        + ",\n  \"currentSlot\": " + QByteArray::number(currentSlot + 1) + ",\n";
    if (lesson.Show) {
        out += "  \"show\": {";
        for (std::size_t i = 0; i < ShowMarks.size(); ++i) {
            const bool on = (*lesson.Show).*ShowMarks[i].Member;
            if (!on && !ShowMarks[i].WrittenWhenOff)
                continue;
            out += (i == 0 ? "\"" : ", \"") + QByteArray(ShowMarks[i].Key) + "\": " + flag(on);
        }
        out += "},\n";
    }

    if (!lesson.Points.empty()) {
        QByteArrayList points;
        for (const LessonPoint& point : lesson.Points)
            points.append("    {\"name\": " + quoted(point.Name) + ", \"x\": " + quoted(point.X)
                + ", \"y\": " + quoted(point.Y) + "}");
        out += "  \"points\": [\n" + points.join(",\n") + "\n  ],\n";
    }

    QByteArrayList entries;
    for (std::size_t slot = 0; slot < lesson.Slots.size(); ++slot) {
        if (!lesson.Slots[slot])
            continue;
        QByteArray entry = "    {\"slot\": " + QByteArray::number(static_cast<int>(slot) + 1);
        if (const auto& names = lesson.Through[slot])
            entry += ", \"through\": [" + quoted((*names)[0]) + ", " + quoted((*names)[1]) + "]";
        const auto& equation = lesson.Equations[slot];
        if (equation && equation->Vertical)
            entry += ", \"equation\": " + quoted(equation->Text);
        for (std::size_t box = equation && equation->Vertical ? 2 : 0; box < EntryBoxCount; ++box)
            entry += ", \"" + QByteArray(boxKeys[box]) + "\": " + quoted((*lesson.Slots[slot])[box]);
        if (equation && !equation->Vertical)
            entry += ", \"equation\": " + quoted(equation->Text);
        // Written only when open, so that every other lesson keeps its bytes.
        if (lesson.Open[slot].From)
            entry += ", \"fromOpen\": true";
        if (lesson.Open[slot].To)
            entry += ", \"toOpen\": true";
        entries.append(entry + "}");
    }
    out += entries.isEmpty() ? QByteArray("  \"slots\": []") : "  \"slots\": [\n" + entries.join(",\n") + "\n  ]";
    if (lesson.Practice.Seed)
        out += ",\n  \"seed\": " + QByteArray::number(static_cast<qulonglong>(*lesson.Practice.Seed));
    if (!lesson.Practice.empty()) {
        QByteArrayList tasks;
        for (const PracticeTask& task : lesson.Practice.Tasks) {
            QByteArrayList lines;
            for (const EntryTexts& line : task.Lines) {
                QByteArray object = "{";
                for (std::size_t box = 0; box < EntryBoxCount; ++box)
                    object += (box == 0 ? "\"" : ", \"") + QByteArray(boxKeys[box]) + "\": " + quoted(line[box]);
                lines.append(object + "}");
            }
            const std::string_view key = keyOf(task.Kind);
            const QByteArray kind = quoted(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
            tasks.append(task.Kind == TaskKind::Crossing
                    ? "    {\"kind\": " + kind + ", \"lines\": [" + lines.join(", ") + "]}"
                    : "    {\"kind\": " + kind + ", \"line\": " + lines.value(0) + "}");
        }
        out += ",\n  \"tasks\": [\n" + tasks.join(",\n") + "\n  ]";
    }
    return out + "\n}\n";
}

std::variant<Lesson, LessonFault> loadLessonFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return fault(LessonFaultCode::FileMissing);
    if (!info.isFile())
        return fault(LessonFaultCode::NotRegularFile);

    // Opened without blocking and checked again, in case a FIFO took the file's place after the
    // check above; for a regular file the flag changes nothing.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Number < 0) {
        return fileFault(
            errno == ENOENT ? LessonFaultCode::FileMissing : LessonFaultCode::Unreadable, QFileDevice::OpenError);
    }
    struct stat status { };
    if (::fstat(file.Number, &status) != 0 || !S_ISREG(status.st_mode))
        return fault(LessonFaultCode::NotRegularFile);
    QFile reader;
    if (!reader.open(file.Number, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return fileFault(LessonFaultCode::Unreadable, reader.error());
    // One byte past the limit, so that a larger file is refused rather than read cut short.
    const QByteArray bytes = reader.read(LessonFileLimit + 1);
    if (reader.error() != QFileDevice::NoError)
        return fileFault(LessonFaultCode::Unreadable, reader.error());
    return readLesson(bytes);
}

std::optional<QFileDevice::FileError> saveFileAtomically(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Unbuffered, and the count checked: Qt 6.4's commit() ignores a failure to flush its buffer
    // and a write cut short by a full disk, and would replace the old file with a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.error();
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return error == QFileDevice::NoError ? QFileDevice::WriteError : error;
    }
    if (!file.commit())
        return file.error();
    return std::nullopt;
}

std::optional<LessonFault> saveLessonFile(const QString& path, const Lesson& lesson)
{
    if (const auto error = saveFileAtomically(path, writeLesson(lesson)))
        return fileFault(LessonFaultCode::Unwritable, *error);
    return std::nullopt;
}

} // namespace zelmora
