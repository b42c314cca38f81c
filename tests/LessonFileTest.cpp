// SPDX-License-Identifier: MIT
#include "lesson/LessonFile.h"
#include "plane/PlaneGeometry.h"
#include "practice/TaskGenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora {

void PrintTo(const Lesson& lesson, std::ostream* out)
{
    *out << writeLesson(lesson).toStdString();
}

void PrintTo(const LessonFault& fault, std::ostream* out)
{
    *out << "code " << static_cast<int>(fault.Code) << ", slot " << fault.Slot << ", key " << fault.Key
         << ", file error " << fault.FileError << ", line " << fault.Line << ", column " << fault.Column;
}

namespace {

// Every mark of the 表示 menu is kept by a lesson under its own key, alone and with the others.
TEST(LessonFile, EveryMarkRoundTrips)
{
    for (const ShowMark& mark : ShowMarks) {
        SCOPED_TRACE(mark.Key);
        ShowOptions show;
        show.*mark.Member = true;
        Lesson lesson;
        lesson.Show = show;
        const QByteArray text = writeLesson(lesson);
        EXPECT_TRUE(text.contains(QByteArray("\"") + mark.Key + "\": true"));
        const auto read = readLesson(text);
        ASSERT_TRUE(std::holds_alternative<Lesson>(read));
        EXPECT_EQ(std::get<Lesson>(read).Show, show);
    }
}

// Every size is kept by a lesson under its own name.
TEST(LessonFile, EverySizeRoundTrips)
{
    for (std::size_t k = 0; k < PlaneSizes.size(); ++k) {
        const QString name = QStringView(PlaneSizes[k].Name).toString();
        SCOPED_TRACE(name.toStdString());
        Lesson lesson;
        lesson.Size = static_cast<int>(k);
        const QByteArray text = writeLesson(lesson);
        EXPECT_TRUE(text.contains("\"size\": \"" + name.toUtf8() + "\""));
        const auto read = readLesson(text);
        ASSERT_TRUE(std::holds_alternative<Lesson>(read));
        EXPECT_EQ(std::get<Lesson>(read).Size, static_cast<int>(k));
    }
}

const QByteArray Example = R"({
  "format": "zelmora-lesson",
  "version": 1,
  "size": "中",
  "currentSlot": 1,
  "show": {"numbers": true, "equations": false, "intersections": true, "crossingsOfCurrentLine": false, "endpoints": true, "slope": false, "colours": false},
  "slots": [
    {"slot": 1, "a": "-2/ 3", "b": " 1", "from": "-3", "to": " 3"},
    {"slot": 2, "a": " 1/ 2", "b": "-3", "from": "-10", "to": " 10"}
  ]
}
)";

Lesson lesson(std::optional<ShowOptions> show, std::initializer_list<std::pair<int, EntryTexts>> slotTexts = {})
{
    Lesson made;
    made.Show = show;
    for (const auto& [slot, texts] : slotTexts)
        made.Slots[static_cast<std::size_t>(slot - 1)] = texts;
    return made;
}

const Lesson ExampleLesson = lesson(ShowOptions{true, false, true, true, false},
    {{1, {"-2/ 3", " 1", "-3", " 3"}}, {2, {" 1/ 2", "-3", "-10", " 10"}}});

// A lesson file with these keys after the format and version.
QByteArray lessonWith(const QByteArray& keys)
{
    return R"({"format": "zelmora-lesson", "version": 1)" + (keys.isEmpty() ? "" : ", " + keys) + "}";
}

using Result = std::variant<Lesson, LessonFault>;

LessonFault refused(
    LessonFaultCode code, std::string key = {}, int slot = 0, QFileDevice::FileError fileError = QFileDevice::NoError)
{
    return LessonFault{code, slot, std::move(key), fileError};
}

LessonFault refusedTask(LessonFaultCode code, std::string key, int task)
{
    LessonFault fault = refused(code, std::move(key));
    fault.Task = task;
    return fault;
}

// A lesson setting practice tasks, made from a seed when one is given.
Lesson practising(std::vector<PracticeTask> tasks, std::optional<std::uint64_t> seed = std::nullopt)
{
    Lesson lesson;
    lesson.Practice = {std::move(tasks), seed};
    return lesson;
}

LessonFault syntaxAt(int line, int column)
{
    LessonFault syntax = refused(LessonFaultCode::NotJson);
    syntax.Line = line;
    syntax.Column = column;
    return syntax;
}

std::string contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(LessonText, WritesOneKeyAndOneSlotALine)
{
    EXPECT_EQ(writeLesson(ExampleLesson), Example);
    Lesson bare;
    bare.Size = 2;
    bare.CurrentSlot = 7;
    EXPECT_TRUE(writeLesson(bare).endsWith("\"size\": \"大\",\n  \"currentSlot\": 8,\n  \"slots\": []\n}\n"));
    bare.Title = "一次関数";
    EXPECT_TRUE(writeLesson(bare).contains("\"version\": 1,\n  \"title\": \"一次関数\",\n  \"size\""));
}

// A lesson with a title and nothing else.
Lesson titled(const std::string& title)
{
    Lesson lesson;
    lesson.Title = title;
    return lesson;
}

// This many characters of three bytes each.
std::string wideText(int characters)
{
    std::string text;
    for (int i = 0; i < characters; ++i)
        text += "あ";
    return text;
}

TEST(LessonText, ReadsBackWhatItWrites)
{
    Lesson allSlots = lesson(ShowOptions{true, true, true, true, true});
    allSlots.Size = 0;
    allSlots.CurrentSlot = 5;
    for (std::size_t slot = 0; slot < allSlots.Slots.size(); ++slot)
        allSlots.Slots[slot] = EntryTexts{std::to_string(slot), "1/" + std::to_string(slot), "", "1E+3"};
    ShowOptions range;
    range.Range = true;
    Lesson openEnded
        = lesson(range, {{1, {"-2/3", "1", "-3", "3"}}, {2, {"2", "0", "3", "-3"}}, {3, {"1", "", "", "2"}}});
    openEnded.Open[0] = {true, false};
    openEnded.Open[1] = {false, true};
    openEnded.Open[2] = {true, true};
    const QByteArray written = writeLesson(openEnded);
    EXPECT_TRUE(written.contains(R"("range": true})")) << written.toStdString();
    EXPECT_TRUE(written.contains(R"("to": "3", "fromOpen": true})")) << written.toStdString();
    EXPECT_FALSE(writeLesson(allSlots).contains("range")) << "a mark added later is written only when on";
    const struct {
        const char* Name;
        Lesson Written;
    } rows[] = {{"defaults", Lesson{}}, {"example", ExampleLesson}, {"every slot, every mark", allSlots},
        {"fractions, negatives, exponents", lesson({}, {{4, {"-2/ 3", " 1E+08", "-1.5E-05", "-.25/-7"}}})},
        {"full-width as typed", lesson({}, {{5, {"－２／３", "\u3000１", "ー３", "３．５"}}})},
        {"empty texts", lesson({}, {{8, {"", "", "", ""}}})},
        {"quotes and backslashes", lesson({}, {{1, {"\"", "\\", "a\"b\\c/d", "\\u0041"}}})},
        {"control characters", lesson({}, {{2, {"\t\n\r", std::string("1\0/2", 4), "\x01\x1f\x7f", "\u2028"}}})},
        {"outside the basic plane", lesson({}, {{3, {"😀", "𝑥", "", ""}}})},
        {"text opening with U+FEFF", lesson({}, {{6, {"\uFEFF1", "\uFEFF", "", ""}}})},
        {"a title with quotes", titled("一次関数 \"1\" \\ (2)")},
        {"a title of the most characters", titled(wideText(MaxTitleLength))},
        {"a set of every kind from the largest seed",
            practising(makeTasks({std::nullopt, TaskLevel::Mixed, 12, MaxSeed}), MaxSeed)},
        {"open ends and the range of y shown", openEnded},
        {"a teacher's own tasks, full width",
            practising({{TaskKind::Equation, {{"－２／３", "1", "-3", "3"}}},
                {TaskKind::Crossing, {{"1", "0", "-6", "6"}, {"-2", "1", "-6", "6"}}}})}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(readLesson(writeLesson(row.Written)), Result(row.Written));
    }
}

TEST(LessonText, AbsentKeysTakeDefaultsAndUnknownKeysAreIgnored)
{
    // Slot ３ gives b alone and slot １ a alone: the first box each leaves out is noted.
    Lesson twoSlots = lesson({}, {{3, {"", "7", "", ""}}, {1, {"1", "", "", ""}}});
    twoSlots.LeftOut[2] = EntryBox::A;
    twoSlots.LeftOut[0] = EntryBox::B;
    Lesson shown = twoSlots;
    shown.Show = ShowOptions{};
    QByteArray exactLimit = lessonWith({});
    exactLimit += QByteArray(LessonFileLimit - exactLimit.size(), ' ');
    const struct {
        const char* Name;
        QByteArray Bytes;
        Lesson Expected;
    } rows[] = {{"format and version alone", lessonWith({}), Lesson{}},
        {"empty show", lessonWith(R"("show": {})"), lesson(ShowOptions{})},
        {"one mark", lessonWith(R"("show": {"endpoints": true})"), lesson(ShowOptions{false, false, false, true})},
        {"missing texts, slots out of order", lessonWith(R"("slots": [{"slot": 3, "b": "7"}, {"slot": 1, "a": "1"}])"),
            twoSlots},
        {"unknown keys everywhere",
            lessonWith(R"("author": {"name": [1, {"x": null}]}, "show": {"grid": 3}, "colour": "blue",)"
                       R"("slots": [{"slot": 3, "b": "7", "colour": [1]}, {"slot": 1, "a": "1"}])"),
            shown},
        {"whole number written with a point",
            lessonWith(R"("slots": [{"slot": 3.0, "b": "7"}, {"slot": 1, "a": "1"}])"), twoSlots},
        {"byte-order mark", "\xEF\xBB\xBF" + lessonWith({}), Lesson{}},
        {"a title", lessonWith(R"("title": "一次関数のグラフ")"), titled("一次関数のグラフ")},
        {"exactly the size limit", exactLimit, Lesson{}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(readLesson(row.Bytes), Result(row.Expected));
    }
}

TEST(LessonText, RefusesTheWholeFile)
{
    using enum LessonFaultCode;
    QByteArray overLimit = lessonWith({});
    overLimit += QByteArray(LessonFileLimit + 1 - overLimit.size(), ' ');
    const QByteArray deep = lessonWith(R"("notes": )" + QByteArray(2000, '[') + QByteArray(2000, ']'));
    const struct {
        const char* Name;
        QByteArray Bytes;
        LessonFault Expected;
    } rows[] = {{"empty", "", refused(Empty)}, {"one byte over the limit", overLimit, refused(TooLarge)},
        {"cut short", Example.left(120), syntaxAt(6, 36)},
        {"cut inside a character", Example.left(Example.indexOf("中") + 1), refused(NotUtf8)},
        {"Latin-1 byte", lessonWith("\"size\": \"\xE9\""), refused(NotUtf8)},
        {"not JSON", "format = zelmora-lesson", syntaxAt(1, 1)},
        {"an array", "[" + lessonWith({}) + "]", refused(NotAnObject)}, {"deeply nested", deep, refused(TooDeep)},
        {"missing format", R"({"version": 1})", refused(NotALesson, "format")},
        {"other format", R"({"format": "zelmora-lessons", "version": 1})", refused(NotALesson, "format")},
        {"missing version", R"({"format": "zelmora-lesson"})", refused(MissingKey, "version")},
        {"fractional version", R"({"format": "zelmora-lesson", "version": 1.5})", refused(WrongType, "version")},
        {"version 0", R"({"format": "zelmora-lesson", "version": 0})", refused(BadVersion, "version")},
        {"newer version", R"({"format": "zelmora-lesson", "version": 3, "size": 7})", refused(NewerVersion, "version")},
        {"size as number", lessonWith(R"("size": 1)"), refused(WrongType, "size")},
        {"unknown size", lessonWith(R"("size": "特大")"), refused(BadSize, "size")},
        {"title as number", lessonWith(R"("title": 1)"), refused(WrongType, "title")},
        {"title one character too long",
            lessonWith("\"title\": \"" + QByteArray::fromStdString(wideText(MaxTitleLength + 1)) + "\""),
            refused(TitleTooLong, "title")},
        {"current slot 9", lessonWith(R"("currentSlot": 9)"), refused(SlotOutOfRange, "currentSlot")},
        {"mark as number", lessonWith(R"("show": {"slope": 1})"), refused(WrongType, "slope")},
        {"open end as text", lessonWith(R"("slots": [{"slot": 2, "a": "1", "toOpen": "true"}])"),
            refused(WrongType, "toOpen", 2)},
        {"slots as object", lessonWith(R"("slots": {})"), refused(WrongType, "slots")},
        {"slot entry a number", lessonWith(R"("slots": [3])"), refused(SlotNotObject, "slots")},
        {"slot 0", lessonWith(R"("slots": [{"slot": 0}])"), refused(SlotOutOfRange, "slot")},
        {"slot 9", lessonWith(R"("slots": [{"slot": 9}])"), refused(SlotOutOfRange, "slot")},
        {"slot repeated", lessonWith(R"("slots": [{"slot": 2}, {"slot": 5}, {"slot": 2}])"),
            refused(RepeatedSlot, "slot", 2)},
        {"slot without number", lessonWith(R"("slots": [{"a": "1"}])"), refused(MissingKey, "slot")},
        {"text as number", lessonWith(R"("slots": [{"slot": 4, "a": 5}])"), refused(WrongType, "a", 4)},
        {"negative seed", lessonWith(R"("seed": -1)"), refused(WrongType, "seed")},
        {"seed past 2^53", lessonWith(R"("seed": 9007199254740994)"), refused(WrongType, "seed")},
        {"tasks as object", lessonWith(R"("tasks": {})"), refused(WrongType, "tasks")},
        {"task without kind", lessonWith(R"("tasks": [{"line": {}}])"), refusedTask(MissingKey, "kind", 1)},
        {"unknown kind",
            lessonWith(
                R"("tasks": [{"kind": "equation", "line": {"a": "1", "b": "0", "from": "0", "to": "1"}}, {"kind": "slope"}])"),
            refusedTask(UnknownTaskKind, "kind", 2)},
        {"task line without to",
            lessonWith(R"("tasks": [{"kind": "range", "line": {"a": "1", "b": "0", "from": "0"}}])"),
            refusedTask(MissingKey, "to", 1)},
        {"task with no number",
            lessonWith(R"("tasks": [{"kind": "graph", "line": {"a": "1/0", "b": "0", "from": "0", "to": "1"}}])"),
            refusedTask(TaskNoValue, "line", 1)},
        {"crossing with one line",
            lessonWith(R"("tasks": [{"kind": "crossing", "lines": [{"a": "1", "b": "0", "from": "0", "to": "1"}]}])"),
            refusedTask(WrongType, "lines", 1)},
        {"parallel crossing",
            lessonWith(
                R"("tasks": [{"kind": "crossing", "lines": [{"a": "1", "b": "0", "from": "0", "to": "1"}, {"a": "1", "b": "1", "from": "0", "to": "1"}]}])"),
            refusedTask(TaskNoCrossing, "lines", 1)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(readLesson(row.Bytes), Result(row.Expected));
    }
}

// A syntax error says where, as a text editor counts: lines from 1, characters (not bytes) from 1.
TEST(LessonText, SyntaxErrorsSayWhere)
{
    const struct {
        const char* Name;
        QByteArray Bytes;
        LessonFault Expected;
    } rows[]
        = {{"a missing comma on line 3", "{\n  \"format\": \"zelmora-lesson\"\n  \"version\": 1\n}", syntaxAt(3, 3)},
            {"after Japanese on the line, characters not bytes", "{\"size\": \"中\" \"x\"}", syntaxAt(1, 14)},
            {"cut short at the end", "{\n  \"format\": ", syntaxAt(2, 12)},
            {"not JSON at all", "format = zelmora-lesson", syntaxAt(1, 1)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(readLesson(row.Bytes), Result(row.Expected));
    }
}

TEST(LessonFile, SavesAndLoads)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("lesson.zelmora");
    ASSERT_EQ(saveLessonFile(path, ExampleLesson), std::nullopt);
    EXPECT_EQ(contents(path), Example.toStdString());
    EXPECT_EQ(loadLessonFile(path), Result(ExampleLesson));
}

TEST(LessonFile, LoadRefusesWhatIsNotAReadableLessonWithoutBlocking)
{
    QTemporaryDir folder;
    const QString tooLarge = folder.filePath("large.zelmora");
    ASSERT_TRUE(writeFile(tooLarge, lessonWith({}) + QByteArray(LessonFileLimit, ' ')));
    const QString locked = folder.filePath("locked.zelmora");
    ASSERT_TRUE(writeFile(locked, lessonWith({})) && QFile::setPermissions(locked, {}));
    ASSERT_TRUE(QFile::link(folder.filePath("gone.zelmora"), folder.filePath("dangling.zelmora")));
    const QString fifo = folder.filePath("pipe.zelmora");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    using enum LessonFaultCode;
    const struct {
        const char* Name;
        QString Path;
        LessonFault Expected;
        bool NeedsPermissions;
    } rows[] = {{"missing", folder.filePath("none.zelmora"), refused(FileMissing), false},
        {"dangling link", folder.filePath("dangling.zelmora"), refused(FileMissing), false},
        {"folder", folder.path(), refused(NotRegularFile), false}, {"FIFO", fifo, refused(NotRegularFile), false},
        {"device", "/dev/zero", refused(NotRegularFile), false},
        {"larger than the limit", tooLarge, refused(TooLarge), false},
        {"no read permission", locked, refused(Unreadable, {}, 0, QFileDevice::OpenError), true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        if (row.NeedsPermissions && ::geteuid() == 0)
            continue; // root reads the file regardless of its permissions
        auto load = std::async(std::launch::async, [&] { return loadLessonFile(row.Path); });
        if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            // Open the FIFO's writing end, so that the blocked reader returns and the test can end.
            ::close(::open(QFile::encodeName(row.Path).constData(), O_WRONLY | O_NONBLOCK));
            FAIL() << "loading blocked";
        }
        EXPECT_EQ(load.get(), Result(row.Expected));
    }
}

TEST(LessonFile, FailedSaveLeavesTheOldFile)
{
    const struct {
        const char* Name;
        void (*BreakFolder)(const QString& folder);
        rlim_t FileSizeLimit;
        QFileDevice::FileError Expected;
        bool NeedsPermissions;
    } rows[]
        = {{"read-only folder", [](const QString& f) { QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner); },
               RLIM_INFINITY, QFileDevice::OpenError, true},
            {"vanished folder", [](const QString& f) { QDir(f).removeRecursively(); }, RLIM_INFINITY,
                QFileDevice::OpenError, false},
            // A file-size limit fails the write as a full disk does, for root too.
            {"no space", [](const QString&) {}, 16, QFileDevice::WriteError, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        if (row.NeedsPermissions && ::geteuid() == 0)
            continue; // root writes into the folder regardless of its permissions
        QTemporaryDir parent;
        const QString folder = parent.filePath("lessons");
        const QString path = folder + "/lesson.zelmora";
        ASSERT_TRUE(QDir().mkdir(folder) && writeFile(path, "old lesson\n"));
        row.BreakFolder(folder);

        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{std::min(row.FileSizeLimit, saved.rlim_cur), saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto fault = saveLessonFile(path, ExampleLesson);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_EQ(fault, refused(LessonFaultCode::Unwritable, {}, 0, row.Expected));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const bool folderLeft = QDir(folder).exists();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            folderLeft ? QStringList{"lesson.zelmora"} : QStringList{});
        EXPECT_EQ(contents(path), folderLeft ? "old lesson\n" : "(unreadable)");
    }
}

} // namespace
} // namespace zelmora
