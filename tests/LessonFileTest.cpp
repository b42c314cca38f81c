#include "lesson/LessonFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zelmora;

namespace zelmora {

void PrintTo(const Lesson& lesson, std::ostream* out)
{
    *out << writeLesson(lesson).toStdString();
}

void PrintTo(const LessonFault& fault, std::ostream* out)
{
    *out << "code " << static_cast<int>(fault.Code) << ", slot " << fault.Slot << ", key \"" << fault.Key
         << "\", file error " << fault.FileError;
}

} // namespace zelmora

namespace {

const char* const Example = R"({
  "format": "zelmora-lesson",
  "version": 1,
  "size": "中",
  "currentSlot": 1,
  "show": {"numbers": true, "equations": false, "intersections": true, "endpoints": true, "slope": false},
  "slots": [
    {"slot": 1, "a": "-2/ 3", "b": " 1", "from": "-3", "to": " 3"},
    {"slot": 2, "a": " 1/ 2", "b": "-3", "from": "-10", "to": " 10"}
  ]
}
)";

Lesson exampleLesson()
{
    Lesson lesson;
    lesson.Show = ShowOptions{true, false, true, true, false};
    lesson.Slots[0] = EntryTexts{"-2/ 3", " 1", "-3", " 3"};
    lesson.Slots[1] = EntryTexts{" 1/ 2", "-3", "-10", " 10"};
    return lesson;
}

// A lesson file with these keys after the format and version.
QByteArray lessonWith(const QByteArray& keys)
{
    return R"({"format": "zelmora-lesson", "version": 1)" + (keys.isEmpty() ? "" : ", " + keys) + "}";
}

Lesson read(const QByteArray& bytes)
{
    auto result = readLesson(bytes);
    if (const auto* fault = std::get_if<LessonFault>(&result)) {
        ADD_FAILURE() << "refused: " << testing::PrintToString(*fault);
        return {};
    }
    return std::get<Lesson>(result);
}

LessonFault refusal(const std::variant<Lesson, LessonFault>& result)
{
    const auto* fault = std::get_if<LessonFault>(&result);
    return fault ? *fault : LessonFault{LessonFaultCode::Empty, -1, "read as a lesson", QFileDevice::NoError};
}

LessonFault faultOf(LessonFaultCode code, std::string key = {}, int slot = 0)
{
    return LessonFault{code, slot, std::move(key), QFileDevice::NoError};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(LessonText, WritesTheDocumentedLayout)
{
    EXPECT_EQ(writeLesson(exampleLesson()), QByteArray(Example));
    Lesson bare;
    bare.Size = 2;
    bare.CurrentSlot = 7;
    EXPECT_EQ(writeLesson(bare), QByteArray(R"({
  "format": "zelmora-lesson",
  "version": 1,
  "size": "大",
  "currentSlot": 8,
  "slots": []
}
)"));
}

TEST(LessonText, ReadsBackWhatItWrites)
{
    Lesson allSlots;
    allSlots.Size = 0;
    allSlots.Show = ShowOptions{true, true, true, true, true};
    for (std::size_t slot = 0; slot < allSlots.Slots.size(); ++slot)
        allSlots.Slots[slot] = EntryTexts{std::to_string(slot), "1/" + std::to_string(slot), "", "1E+3"};
    const auto withTexts = [](int slot, EntryTexts texts) {
        Lesson lesson;
        lesson.CurrentSlot = slot;
        lesson.Slots[static_cast<std::size_t>(slot)] = std::move(texts);
        return lesson;
    };
    const struct {
        const char* name;
        Lesson lesson;
    } rows[] = {{"defaults", Lesson{}}, {"example", exampleLesson()}, {"every slot, every mark", allSlots},
        {"fractions, negatives, exponents", withTexts(3, {"-2/ 3", " 1E+08", "-1.5E-05", "-.25/-7"})},
        {"full-width as typed", withTexts(4, {"－２／３", "\u3000１", "ー３", "３．５"})},
        {"empty texts", withTexts(7, {"", "", "", ""})},
        {"quotes and backslashes", withTexts(0, {"\"", "\\", "a\"b\\c/d", "\\u0041"})},
        {"control characters", withTexts(1, {"\t\n\r", std::string("1\0/2", 4), "\x01\x1f\x7f", "\u2028"})},
        {"outside the basic plane", withTexts(2, {"😀", "𝑥", "", ""})},
        {"text opening with U+FEFF", withTexts(5, {"\uFEFF1", "\uFEFF", "", ""})}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray written = writeLesson(row.lesson);
        const Lesson back = read(written);
        EXPECT_EQ(back, row.lesson);
        EXPECT_EQ(writeLesson(back), written);
    }
}

TEST(LessonText, AbsentKeysTakeDefaultsAndUnknownKeysAreIgnored)
{
    Lesson shown;
    shown.Show = ShowOptions{false, false, false, true, false};
    Lesson third;
    third.Slots[2] = EntryTexts{"", "7", "", ""};
    third.Slots[0] = EntryTexts{"1", "", "", ""};
    QByteArray exactLimit = lessonWith({});
    exactLimit += QByteArray(LessonFileLimit - exactLimit.size(), ' ');
    const struct {
        const char* name;
        QByteArray bytes;
        Lesson expected;
    } rows[] = {{"format and version alone", lessonWith({}), Lesson{}},
        {"empty show", lessonWith(R"("show": {})"),
            [] {
                Lesson l;
                l.Show = ShowOptions{};
                return l;
            }()},
        {"one mark", lessonWith(R"("show": {"endpoints": true})"), shown},
        {"missing texts, slots out of order", lessonWith(R"("slots": [{"slot": 3, "b": "7"}, {"slot": 1, "a": "1"}])"),
            third},
        {"unknown keys everywhere",
            lessonWith(R"("author": {"name": [1, {"x": null}]}, "show": {"grid": 3, "endpoints": true},)"
                       R"("slots": [], "colour": "blue")"),
            shown},
        {"unknown key in a slot",
            lessonWith(R"("slots": [{"slot": 3, "b": "7", "colour": [1]}, {"slot": 1, "a": "1"}])"), third},
        {"whole numbers written with a point", lessonWith(R"("currentSlot": 1.0, "slots": [])"), Lesson{}},
        {"byte-order mark", "\xEF\xBB\xBF" + lessonWith({}), Lesson{}},
        {"exactly the size limit", exactLimit, Lesson{}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read(row.bytes), row.expected);
    }
}

TEST(LessonText, RefusesTheWholeFile)
{
    using enum LessonFaultCode;
    QByteArray overLimit = lessonWith({});
    overLimit += QByteArray(LessonFileLimit + 1 - overLimit.size(), ' ');
    const QByteArray deep = lessonWith(R"("notes": )" + QByteArray(2000, '[') + QByteArray(2000, ']'));
    const struct {
        const char* name;
        QByteArray bytes;
        LessonFault expected;
    } rows[] = {{"empty", "", faultOf(Empty)}, {"one byte over the limit", overLimit, faultOf(TooLarge)},
        {"cut short", QByteArray(Example).left(120), faultOf(NotJson)},
        {"cut inside a character", QByteArray(Example).left(QByteArray(Example).indexOf("中") + 1), faultOf(NotUtf8)},
        {"Latin-1 byte", lessonWith("\"size\": \"\xE9\""), faultOf(NotUtf8)},
        {"overlong slash", lessonWith("\"a\xC0\xAF\": 1"), faultOf(NotUtf8)},
        {"encoded surrogate", lessonWith("\"a\xED\xA0\x80\": 1"), faultOf(NotUtf8)},
        {"not JSON", "format = zelmora-lesson", faultOf(NotJson)},
        {"text after the object", lessonWith({}) + "{}", faultOf(NotJson)},
        {"an array", "[" + lessonWith({}) + "]", faultOf(NotAnObject)}, {"deeply nested", deep, faultOf(TooDeep)},
        {"missing format", R"({"version": 1})", faultOf(NotALesson, "format")},
        {"other format", R"({"format": "zelmora-lessons", "version": 1})", faultOf(NotALesson, "format")},
        {"missing version", R"({"format": "zelmora-lesson"})", faultOf(MissingKey, "version")},
        {"version as text", R"({"format": "zelmora-lesson", "version": "1"})", faultOf(WrongType, "version")},
        {"fractional version", R"({"format": "zelmora-lesson", "version": 1.5})", faultOf(WrongType, "version")},
        {"version 0", R"({"format": "zelmora-lesson", "version": 0})", faultOf(BadVersion, "version")},
        {"newer version", R"({"format": "zelmora-lesson", "version": 2, "size": 7})", faultOf(NewerVersion, "version")},
        {"size as number", lessonWith(R"("size": 1)"), faultOf(WrongType, "size")},
        {"size null", lessonWith(R"("size": null)"), faultOf(WrongType, "size")},
        {"unknown size", lessonWith(R"("size": "特大")"), faultOf(BadSize, "size")},
        {"current slot 0", lessonWith(R"("currentSlot": 0)"), faultOf(SlotOutOfRange, "currentSlot")},
        {"current slot 9", lessonWith(R"("currentSlot": 9)"), faultOf(SlotOutOfRange, "currentSlot")},
        {"current slot 1.5", lessonWith(R"("currentSlot": 1.5)"), faultOf(WrongType, "currentSlot")},
        {"show as array", lessonWith(R"("show": [])"), faultOf(WrongType, "show")},
        {"mark as number", lessonWith(R"("show": {"slope": 1})"), faultOf(WrongType, "slope")},
        {"slots as object", lessonWith(R"("slots": {})"), faultOf(WrongType, "slots")},
        {"slot entry a number", lessonWith(R"("slots": [3])"), faultOf(SlotNotObject, "slots")},
        {"slot 0", lessonWith(R"("slots": [{"slot": 0}])"), faultOf(SlotOutOfRange, "slot")},
        {"slot 9", lessonWith(R"("slots": [{"slot": 9}])"), faultOf(SlotOutOfRange, "slot")},
        {"slot repeated", lessonWith(R"("slots": [{"slot": 2}, {"slot": 5}, {"slot": 2}])"),
            faultOf(RepeatedSlot, "slot", 2)},
        {"slot without number", lessonWith(R"("slots": [{"a": "1"}])"), faultOf(MissingKey, "slot")},
        {"slot number as text", lessonWith(R"("slots": [{"slot": "1"}])"), faultOf(WrongType, "slot")},
        {"text as number", lessonWith(R"("slots": [{"slot": 4, "a": 5}])"), faultOf(WrongType, "a", 4)},
        {"text null", lessonWith(R"("slots": [{"slot": 6, "to": null}])"), faultOf(WrongType, "to", 6)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(refusal(readLesson(row.bytes)), row.expected);
    }
}

TEST(LessonFile, SavesAndLoads)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("lesson.zelmora");
    ASSERT_EQ(saveLessonFile(path, exampleLesson()), std::nullopt);
    EXPECT_EQ(contents(path), QByteArray(Example));
    const auto loaded = loadLessonFile(path);
    ASSERT_TRUE(std::holds_alternative<Lesson>(loaded));
    EXPECT_EQ(std::get<Lesson>(loaded), exampleLesson());
}

TEST(LessonFile, LoadRefusesWhatIsNotAReadableLesson)
{
    QTemporaryDir folder;
    const QString tooLarge = folder.filePath("large.zelmora");
    ASSERT_TRUE(writeFile(tooLarge, lessonWith({}) + QByteArray(LessonFileLimit, ' ')));
    const QString locked = folder.filePath("locked.zelmora");
    ASSERT_TRUE(writeFile(locked, lessonWith({})));
    ASSERT_TRUE(QFile::setPermissions(locked, {}));
    ASSERT_TRUE(QFile::link(folder.filePath("gone.zelmora"), folder.filePath("dangling.zelmora")));
    const struct {
        const char* name;
        QString path;
        LessonFaultCode expected;
        bool needsPermissions;
    } rows[] = {{"missing", folder.filePath("none.zelmora"), LessonFaultCode::FileMissing, false},
        {"dangling link", folder.filePath("dangling.zelmora"), LessonFaultCode::FileMissing, false},
        {"folder", folder.path(), LessonFaultCode::NotRegularFile, false},
        {"device", "/dev/zero", LessonFaultCode::NotRegularFile, false},
        {"larger than the limit", tooLarge, LessonFaultCode::TooLarge, false},
        {"no read permission", locked, LessonFaultCode::Unreadable, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsPermissions && ::geteuid() == 0)
            continue; // root reads the file regardless of its permissions
        EXPECT_EQ(refusal(loadLessonFile(row.path)).Code, row.expected);
    }
}

TEST(LessonFile, LoadRefusesAFifoWithoutBlocking)
{
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("pipe.zelmora"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    auto load = std::async(std::launch::async, [&] { return loadLessonFile(QFile::decodeName(fifo)); });
    if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        // Open the writing end so that the blocked reader returns and the test can end.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        ::close(writer);
        FAIL() << "loading the FIFO blocked";
    }
    EXPECT_EQ(refusal(load.get()).Code, LessonFaultCode::NotRegularFile);
}

// Makes writes past a few bytes fail, as on a full disk, for root too.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{16, Saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Saved{};
    void (*OldHandler)(int) = nullptr;
};

TEST(LessonFile, FailedSaveLeavesTheOldFile)
{
    const QByteArray old = "old lesson\n";
    const struct {
        const char* name;
        std::function<void(const QString& folder)> breakFolder;
        bool fullDisk;
        QFileDevice::FileError expected;
        bool needsPermissions;
    } rows[]
        = {{"read-only folder", [](const QString& f) { QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner); },
               false, QFileDevice::OpenError, true},
            {"vanished folder", [](const QString& f) { QDir(f).removeRecursively(); }, false, QFileDevice::OpenError,
                false},
            {"no space", [](const QString&) {}, true, QFileDevice::WriteError, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsPermissions && ::geteuid() == 0)
            continue; // root writes into the folder regardless of its permissions
        QTemporaryDir parent;
        const QString folder = parent.filePath("lessons");
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString path = folder + "/lesson.zelmora";
        ASSERT_TRUE(writeFile(path, old));
        row.breakFolder(folder);
        std::optional<FileSizeLimit> limit;
        if (row.fullDisk)
            limit.emplace();
        const auto fault = saveLessonFile(path, exampleLesson());
        limit.reset();
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->Code, LessonFaultCode::Unwritable);
        EXPECT_EQ(fault->FileError, row.expected);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const bool folderLeft = QDir(folder).exists();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            folderLeft ? QStringList{"lesson.zelmora"} : QStringList{});
        EXPECT_EQ(contents(path), folderLeft ? old : QByteArray("(unreadable)"));
    }
}

} // namespace
