// The events file written as a careful editor writes it: every other byte
// kept, atomic, links and modes kept, an outside edit never lost. Every file
// is made in a temporary folder.
#include "userdata/events_editor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "userdata/careful_write.h"
#include "userdata/date_files.h"
#include "userdata/event_line.h"
#include "userdata/file_lines.h"
#include "userdata/settings_file.h"

namespace {

namespace fs = std::filesystem;

UserEvent Event(DateRule rule, const std::string& name, std::optional<std::int32_t> remind = std::nullopt)
{
    UserEvent event(rule, name);
    event.remindDays = remind;
    return event;
}

const UserEvent kGrandfather = Event({DateRuleKind::Lunar, 0, 12, 30, false}, "할아버지 기일", 3);
const UserEvent kMother = Event({DateRuleKind::Lunar, 0, 3, 15, false}, "엄마");

// Unchanged, the lines give back every byte; a new line takes the file's
// own line end, after a last line that had none.
TEST(FileLines, KeepEveryByte)
{
    struct Row {
        const char* text;
        const char* appended;  // after Insert(Count(), "x")
    };
    const Row rows[] = {
        {"", "x\n"},
        {"a\nb\n", "a\nb\nx\n"},
        {"a\r\nb\r\n", "a\r\nb\r\nx\r\n"},
        {"a\r\nb", "a\r\nb\r\nx\r\n"},
        {"a\nb\r\nc", "a\nb\r\nc\nx\n"},  // the first line's end is the file's
        {"\xEF\xBB\xBF# bom\n", "\xEF\xBB\xBF# bom\nx\n"},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBFx\n"},
        {"\n\n\r\n", "\n\n\r\nx\n"},
        {"a\rb\n\xFF\xFE\n", "a\rb\n\xFF\xFE\nx\n"},
    };
    for (const Row& row : rows) {
        FileLines lines(row.text);
        EXPECT_EQ(lines.Joined(), row.text);
        lines.Insert(lines.Count(), "x");
        EXPECT_EQ(lines.Joined(), row.appended) << row.text;
    }
    FileLines lines(
        "\xEF\xBB\xBF"
        "a\r\nb\r\nc");
    EXPECT_EQ(lines.Text(0), "a");
    lines.Remove(0);
    lines.Replace(1, "C");
    lines.Insert(1, "m");
    EXPECT_EQ(lines.Joined(),
              "\xEF\xBB\xBF"
              "b\r\nm\r\nC");
}

class EventsEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("dalcal-editor-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "events").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
    std::string Text() const { return Read(path_); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The file's events as the reader reads them.
    std::vector<UserEvent> Events() const { return ParseEventsFile(Text()).events; }

    fs::path folder_;
    std::string path_;
};

// A change touches its own line only: comments, blank lines, CRLF ends, a
// byte-order mark and lines dalcal cannot read stay; a comment after the
// line stays; the words written by hand stay where the date and name do.
TEST_F(EventsEditor, EachChangeTouchesItsOwnLine)
{
    const std::string before =
        "\xEF\xBB\xBF# family\r\n\r\nlunar 3-15 엄마   # mom\r\nnot a date\r\n"
        "음력 12-30 할아버지 기일  #: 알림=3\r\n2027-03-04 이사";
    UserEvent mother = kMother;
    mother.line = 3;
    struct Row {
        const char* what;
        std::function<void()> change;
        std::string after;
    };
    const std::vector<Row> rows = {
        {"add",
         [&] {
             AddEvent(path_, Event({DateRuleKind::Solar, 0, 5, 8, false}, "결혼기념일"), "# header\n");
         },
         before + "\r\n양력 5-8 결혼기념일\r\n"},
        {"a reminder",
         [&] {
             UserEvent now = kMother;
             now.remindDays = 7;
             now.kind = EventKind::Birthday;
             ChangeEvent(path_, kMother, now);
         },
         "\xEF\xBB\xBF# family\r\n\r\nlunar 3-15 엄마  #: 종류=생일 알림=7 # mom\r\nnot a date\r\n"
         "음력 12-30 할아버지 기일  #: 알림=3\r\n2027-03-04 이사"},
        {"another date",
         [&] {
             ChangeEvent(path_, kMother, Event({DateRuleKind::Lunar, 0, 6, 1, true}, "엄마"));
         },
         "\xEF\xBB\xBF# family\r\n\r\n음력 윤6-1 엄마  # mom\r\nnot a date\r\n"
         "음력 12-30 할아버지 기일  #: 알림=3\r\n2027-03-04 이사"},
        {"the reminder gone", [&] { ChangeEvent(path_, kGrandfather, Event(kGrandfather.rule, kGrandfather.name)); },
         "\xEF\xBB\xBF# family\r\n\r\nlunar 3-15 엄마   # mom\r\nnot a date\r\n"
         "음력 12-30 할아버지 기일\r\n2027-03-04 이사"},
        {"remove", [&] { RemoveEvent(path_, kMother); },
         "\xEF\xBB\xBF# family\r\n\r\nnot a date\r\n음력 12-30 할아버지 기일  #: 알림=3\r\n2027-03-04 이사"},
        {"remove the last",
         [&] {
             RemoveEvent(path_, Event({DateRuleKind::Once, 2027, 3, 4, false}, "이사"));
         },
         "\xEF\xBB\xBF# family\r\n\r\nlunar 3-15 엄마   # mom\r\nnot a date\r\n음력 12-30 할아버지 기일  #: "
         "알림=3\r\n"},
        {"remove by name", [&] { EXPECT_EQ(RemoveEventsNamed(path_, "할아버지 기일"), 1); },
         "\xEF\xBB\xBF# family\r\n\r\nlunar 3-15 엄마   # mom\r\nnot a date\r\n2027-03-04 이사"},
    };
    for (const Row& row : rows) {
        Write(before);
        row.change();
        EXPECT_EQ(Text(), row.after) << row.what;
    }
}

// Each change undone gives back the very bytes; a removed line comes back
// where it stood.
TEST_F(EventsEditor, UndoneChangesGiveBackTheBytes)
{
    const std::string before = "# a\nlunar 3-15 엄마  # mom\nsolar 1-1 b\n";
    Write(before);
    UserEvent now = kMother;
    now.remindDays = 0;
    const std::vector<std::function<LineChange()>> changes = {
        [&] { return AddEvent(path_, kGrandfather, {}); },
        [&] { return ChangeEvent(path_, kMother, now); },
        [&] { return RemoveEvent(path_, kMother); },
    };
    for (const auto& change : changes) {
        const LineChange done = change();
        EXPECT_NE(Text(), before);
        UndoLineChange(path_, done);
        EXPECT_EQ(Text(), before);
    }
}

// What is refused writes nothing: an event already there, one no longer
// there, a date or name that cannot be a line.
TEST_F(EventsEditor, RefusedChangesWriteNothing)
{
    const std::string before = "lunar 3-15 엄마\n";
    Write(before);
    const std::vector<std::pair<std::function<void()>, std::string>> refusals = {
        {[&] { AddEvent(path_, kMother, {}); }, "\"엄마\" is in " + path_ + " already, line 1"},
        {[&] { ChangeEvent(path_, kGrandfather, kMother); },
         "\"할아버지 기일\" was changed or removed in " + path_ + " since it was read; nothing was written"},
        {[&] { RemoveEvent(path_, kGrandfather); },
         "\"할아버지 기일\" was changed or removed in " + path_ + " since it was read; nothing was written"},
        {[&] {
             AddEvent(path_, Event({DateRuleKind::Lunar, 0, 13, 1, false}, "x"), {});
         },
         "\"13-1\" is not a date: there is no month 13"},
        {[&] {
             AddEvent(path_, Event({DateRuleKind::Solar, 0, 2, 30, false}, "x"), {});
         },
         "month 2 has no day 30"},
        {[&] {
             AddEvent(path_, Event({DateRuleKind::Solar, 0, 1, 1, false}, "a # b"), {});
         },
         "a name cannot hold \"#\", which begins a comment"},
        {[&] {
             AddEvent(path_, Event({DateRuleKind::Solar, 0, 1, 1, false}, "a\nsolar 1-2 b"), {});
         },
         "a name cannot hold a line break or a control character"},
        {[&] { ChangeEvent(path_, kMother, Event(kMother.rule, "엄마\nsolar 1-2 b")); },
         "a name cannot hold a line break or a control character"},
        {[&] {
             AddEvent(path_, Event({DateRuleKind::Solar, 0, 1, 1, false}, " "), {});
         },
         "no name after the date"},
        {[&] { AddEvent("/etc/dalcal/events", kMother, {}); },
         "cannot save /etc/dalcal/events: files under /etc are the administrator's, and dalcal never writes them"},
    };
    for (const auto& [change, message] : refusals) {
        try {
            change();
            ADD_FAILURE() << message;
        } catch (const Exception& refused) {
            EXPECT_EQ(refused.Said()->English(), message);
        }
        EXPECT_EQ(Text(), before);
    }
    EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), "events");  // no temporary file left
}

// A new file is made with its header, in folders made private; a link's
// target is written and the link kept; the mode stays.
TEST_F(EventsEditor, NewFilesLinksAndModes)
{
    const std::string deep = (folder_ / "config/dalcal/events").string();
    AddEvent(deep, kMother, "# header\n");
    EXPECT_EQ(Read(deep), "# header\n음력 3-15 엄마\n");
    EXPECT_EQ(fs::status(folder_ / "config/dalcal").permissions(), fs::perms::owner_all);

    Write("solar 1-1 a\n");
    ASSERT_EQ(chmod(path_.c_str(), 0640), 0);
    const fs::path link = folder_ / "link";
    fs::create_symlink("events", link);
    AddEvent(link.string(), kMother, {});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Text(), "solar 1-1 a\n음력 3-15 엄마\n");
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory(folder_ / "folder");
    try {
        AddEvent((folder_ / "folder").string(), kMother, {});
        ADD_FAILURE();
    } catch (const FileNotWritten& refused) {
        EXPECT_EQ(refused.Said()->English(),
                  "cannot save " + (folder_ / "folder").string() + ": it is a folder, not a file");
    }
}

// An edit made elsewhere after the file was read is never written over: the
// write is refused, and the editor reads again and keeps both.
TEST_F(EventsEditor, AnOutsideEditIsNeverLost)
{
    Write("solar 1-1 a\n");
    const FileSnapshot snapshot = ReadForChange(path_);
    Write("solar 1-1 a\nsolar 1-2 outside\n");
    EXPECT_FALSE(ReplaceIfUnchanged(snapshot, "solar 1-1 mine\n"));
    EXPECT_EQ(Text(), "solar 1-1 a\nsolar 1-2 outside\n");
    AddEvent(path_, kMother, {});
    EXPECT_EQ(Text(), "solar 1-1 a\nsolar 1-2 outside\n음력 3-15 엄마\n");
    // Also one of the same size, written in place (the same file, only its bytes and time differ).
    const FileSnapshot again = ReadForChange(path_);
    Write("solar 1-1 a\nsolar 1-3 outside\n음력 3-15 엄마\n");
    EXPECT_FALSE(ReplaceIfUnchanged(again, "solar 1-1 mine\n"));
    EXPECT_EQ(Text(), "solar 1-1 a\nsolar 1-3 outside\n음력 3-15 엄마\n");
}

// The line written for an event reads back as it; one changed keeps what it
// can of the line as written.
TEST(EventLine, WrittenAndReadBack)
{
    UserEvent full = kGrandfather;
    full.kind = EventKind::Memorial;
    full.sinceYear = 1998;
    EXPECT_EQ(EventLine(full), "음력 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3");
    EXPECT_EQ(EventLine(Event({DateRuleKind::Once, 27, 3, 4, false}, "x")), "0027-03-04 x");
    EXPECT_EQ(EventLine(Event({DateRuleKind::Lunar, 0, 6, 1, true}, "y")), "음력 윤6-1 y");
    EXPECT_EQ(ChangedEventLine("  lunar 12-30 할아버지 기일 #: 알림=1 # note # more", kGrandfather, full),
              "  lunar 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3 # note # more");
    EXPECT_FALSE(EventLineProblem(full));
}

}  // namespace

namespace {

// The settings file: each line a kind shown or hidden, English or Korean
// words, the last line of a kind holding; a bad line named and skipped.
TEST(SettingsFile, ReadsKindsAndNamesBadLines)
{
    const SettingsFile file = ParseSettingsFile(
        "# mine\r\nanniversaries = show\n\n잡절 = 숨기기  # too many\nterms=hide\nterms = show\n"
        "holiday = show\nevents show\nsundry = maybe\n");
    EXPECT_EQ(file.kinds.Chosen(DayKind::Anniversaries), std::optional(true));
    EXPECT_EQ(file.kinds.Chosen(DayKind::Sundry), std::optional(false));
    EXPECT_EQ(file.kinds.Chosen(DayKind::Terms), std::optional(true));
    EXPECT_EQ(file.kinds.Chosen(DayKind::Holidays), std::nullopt);
    EXPECT_EQ(file.kinds.Chosen(DayKind::Events), std::nullopt);
    ASSERT_EQ(file.problems.size(), 3u);
    EXPECT_EQ(file.problems[0].line, 7);
    EXPECT_STREQ(file.problems[0].why.Pattern(),
                 "{1} is not a kind of day (holidays, terms, anniversaries, sundry, events)");
    EXPECT_EQ(file.problems[1].line, 8);
    EXPECT_EQ(file.problems[2].line, 9);
    const DayKinds applied = file.kinds.Apply(kListedKinds);
    EXPECT_EQ(applied, (DayKinds{true, true, true, false, true}));
    // A setting on the first line, with no comment above it.
    EXPECT_EQ(ParseSettingsFile("events = hide").kinds.Chosen(DayKind::Events), std::optional(false));
}

// The 보기 menu's writer: the kind's last line changed (its comment kept), or
// a line added; every other byte as it was; a new file begins with the header.
TEST_F(EventsEditor, SettingsChangeOneLine)
{
    const std::string settings = (folder_ / "settings").string();
    ChooseKindShown(settings, DayKind::Anniversaries, true, "# header\n");
    EXPECT_EQ(Read(settings), "# header\nanniversaries = show\n");
    std::ofstream(settings, std::ios::binary)
        << "\xEF\xBB\xBF# mine\r\n기념일 = 보기  # many\r\nbad\r\nsundry = hide\r\n";
    ChooseKindShown(settings, DayKind::Anniversaries, false, "# header\n");
    EXPECT_EQ(Read(settings), "\xEF\xBB\xBF# mine\r\nanniversaries = hide  # many\r\nbad\r\nsundry = hide\r\n");
    ChooseKindShown(settings, DayKind::Terms, false, "# header\n");
    EXPECT_EQ(Read(settings),
              "\xEF\xBB\xBF# mine\r\nanniversaries = hide  # many\r\nbad\r\nsundry = hide\r\nterms = hide\r\n");
    const std::string before = Read(settings);
    ChooseKindShown(settings, DayKind::Sundry, false, "# header\n");  // already so: nothing written
    EXPECT_EQ(Read(settings), before);
    EXPECT_THROW(ChooseKindShown("/etc/dalcal/settings", DayKind::Terms, true, ""), FileNotWritten);
}

}  // namespace
