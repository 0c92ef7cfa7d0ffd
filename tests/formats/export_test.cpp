#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>

#include "formats/calendar_events.h"
#include "formats/icalendar.h"
#include "formats/json_documents.h"
#include "formats/json_writer.h"
#include "report/almanac_days.h"
#include "report/date_reading.h"
#include "text/cp949.h"

namespace {

// This file's narrow literals are CP949; what these writers take is UTF-8,
// written here as bytes: 설날 EC84A4 EB82A0, 가 EAB080, 한 ED959C,
// 어머니 생신 EC96B4 EBA8B8 EB8B88 20 EC839D EC8BA0, 아버지 EC9584 EBB284 ECA780.

TEST(JsonWriter, EscapesWhatRfc8259Requires)
{
    const struct {
        const char* text;
        const char* quoted;
    } kCases[] = {
        {"", R"("")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"line\nnext\ttab", R"("line\nnext\ttab")"},
        {"\x01\x1f\x7f", R"("\u0001\u001f\u007f")"},
        {"/home/\xFF\xC0\x80/x", R"("/home/\uFFFD\uFFFD\uFFFD/x")"},  // a path's bytes that are no UTF-8
        {"\xED\xA0\x80", R"("\uFFFD\uFFFD\uFFFD")"},                  // a surrogate
    };
    for (const auto& c : kCases) EXPECT_EQ(JsonQuoted(c.text), c.quoted) << c.text;
    EXPECT_EQ(JsonQuoted(std::string("\xEC\x84\xA4\xEB\x82\xA0 /")),
              std::string("\"\xEC\x84\xA4\xEB\x82\xA0 /\""));  // UTF-8 and the solidus as they are
}

TEST(JsonWriter, PutsCommasAndColons)
{
    JsonWriter json;
    json.BeginArray();
    json.BeginObject();
    json.Key("a");
    json.Number(-1);
    json.Key("b");
    json.BeginArray();
    json.Bool(true);
    json.Null();
    json.EndArray();
    json.EndObject();
    json.BeginObject();
    json.EndObject();
    json.String("x");
    json.EndArray();
    EXPECT_EQ(json.Text(), R"([{"a":-1,"b":[true,null]},{},"x"])");
}

TEST(ICalendar, EscapesTextSoNoValueBreaksOut)
{
    const struct {
        const char* text;
        const char* escaped;
    } kCases[] = {
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"two\nlines", "two\\nlines"},
        {"crlf\r\nend", "crlf\\nend"},
        {"x\nSUMMARY:y", "x\\nSUMMARY:y"},
        {"bell\x07 tab\t", "bell tab\t"},              // control characters left out, the tab kept
        {"bad \xFF utf-8", "bad \xEF\xBF\xBD utf-8"},  // a byte that is no UTF-8: U+FFFD
        {"cut \xEC\x96", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : kCases) EXPECT_EQ(EscapeText(c.text), c.escaped) << c.text;
    EXPECT_EQ(EscapeText(std::string("\xEC\x96\xB4\xEB\xA8\xB8\xEB\x8B\x88 \xEC\x83\x9D\xEC\x8B\xA0")),
              std::string("\xEC\x96\xB4\xEB\xA8\xB8\xEB\x8B\x88 \xEC\x83\x9D\xEC\x8B\xA0"));
}

TEST(ICalendar, FoldsAt75OctetsBetweenCharacters)
{
    // 74 ASCII bytes then a three-byte syllable: the fold goes before it, not inside.
    const std::string line = std::string(74, 'a') + std::string("\xEA\xB0\x80") + "b";
    EXPECT_EQ(FoldLine(line), std::string(74, 'a') + "\r\n " + std::string("\xEA\xB0\x80") + "b\r\n");
    EXPECT_EQ(FoldLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
    EXPECT_EQ(FoldLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");
    // Syllables throughout: every physical line at most 75 octets, whole syllables only.
    std::string korean;
    for (int i = 0; i < 60; ++i) korean += std::string("\xED\x95\x9C");
    const std::string folded = FoldLine("SUMMARY:" + korean);
    std::size_t start = 0;
    std::string unfolded;
    while (start < folded.size()) {
        const std::size_t end = folded.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string physical = folded.substr(start, end - start);
        EXPECT_LE(physical.size(), 75u);
        EXPECT_EQ((physical.size() - (start == 0 ? 8 : 1)) % 3, 0u) << physical;  // whole syllables
        unfolded += start == 0 ? physical : physical.substr(1);
        start = end + 2;
    }
    EXPECT_EQ(unfolded, "SUMMARY:" + korean);
}

TEST(ICalendar, AllDayEventsAndMoments)
{
    const std::string text = ICalendar("dalcal",
                                       {{"a@dalcal", "a", "", "b", {2027, 12, 31}, std::nullopt},
                                        {"b@dalcal", "c", "", "", {2026, 2, 3}, 20 * 60 + 2}},
                                       0);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20271231\r\nDTEND;VALUE=DATE:20280101\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTART:20260203T200200Z\r\nDURATION:PT1S\r\nSUMMARY:"), std::string::npos);  // no DTEND
    EXPECT_NE(text.find("DTSTAMP:19700101T000000Z\r\n"), std::string::npos);
    EXPECT_EQ(text.find("DESCRIPTION"), std::string::npos);  // none given, none written
}

// Events whose description and category are written unescaped must hold
// nothing TEXT escapes, and every UID must be plain ASCII; and a holiday's
// description is the lunar date's text converted to UTF-8.
TEST(ICalendar, OwnWordsNeedNoEscape)
{
    std::vector<CalendarEvent> events;
    HolidayEventMaker maker;
    for (std::int32_t year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        std::vector<Holiday> holidays;
        ASSERT_TRUE(GetHolidays(year, holidays));
        for (const Holiday& holiday : holidays) {
            events.push_back(maker.Make(holiday));
            const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, holiday.date);
            ASSERT_TRUE(lunar.has_value());
            const std::string scheduled = holiday.source == kScheduledByStatute ? " · 예정 (공직선거법 제34조)" : "";
            EXPECT_EQ(events.back().description, LunarDateText(*lunar) + scheduled);
        }
    }
    for (const std::int32_t year : {1900, 2027, 2100}) {
        std::array<SolarTerm, kSolarTermsInYear> ofYear{};
        ASSERT_TRUE(GetSolarTerms(year, ofYear));
        for (const SolarTerm& term : ofYear) MakeSolarTermEvent(term, events.emplace_back());
    }
    ASSERT_GT(events.size(), 1300u);  // 87 years of holidays and three of terms
    for (const CalendarEvent& event : events) {
        ASSERT_TRUE(event.ownWords) << event.uid;
        EXPECT_EQ(EscapeText(event.description), event.description) << event.uid;
        EXPECT_EQ(EscapeText(event.category), event.category) << event.uid;
        EXPECT_EQ(event.uid.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-.@"), std::string::npos);
    }
}

TEST(ICalendar, FingerprintIsFnv1a)
{
    EXPECT_EQ(Fingerprint(""), "cbf29ce484222325");   // the FNV-1a 64-bit offset basis
    EXPECT_EQ(Fingerprint("a"), "af63dc4c8601ec8c");  // FNV's published test vector
    EXPECT_NE(Fingerprint(std::string("\xEC\x96\xB4\xEB\xA8\xB8\xEB\x8B\x88 \xEC\x83\x9D\xEC\x8B\xA0")),
              Fingerprint(std::string("\xEC\x95\x84\xEB\xB2\x84\xEC\xA7\x80 \xEC\x83\x9D\xEC\x8B\xA0")));
}

}  // namespace

namespace {

UserEvent Anniversary(std::int32_t month, std::int32_t day, bool leap, const std::string& name)
{
    return {{DateRuleKind::Lunar, 0, month, day, leap}, name};
}

TEST(UserEvents, JsonAndStableUniqueUids)
{
    UserDates user;
    user.events = {Anniversary(12, 30, false, "a"), Anniversary(12, 30, false, "b"), Anniversary(12, 1, false, "a")};
    const std::vector<EventDay> days = EventsIn(user, 2024, 2025);
    ASSERT_EQ(days.size(), 6u);
    EXPECT_EQ(
        EventsJson({days[0]}),
        R"([{"date":"2024-01-11","name":"a","moved":false,"rule":"lunar","kind":"기타","years":null,"remind":null}])");
    // The years counted and the reminder, in JSON and the summary; the UID
    // stays the event's (its rule and name) whatever they are.
    UserDates counted = user;
    counted.events[0].kind = EventKind::Memorial;
    counted.events[0].sinceYear = 1998;
    counted.events[0].remindDays = 3;
    const std::vector<EventDay> countedDays = EventsIn(counted, 2024, 2025);
    EXPECT_NE(EventsJson({countedDays[1]}).find(R"("kind":"기일","years":25,"remind":3})"), std::string::npos);
    EXPECT_EQ(UserEventEvents(countedDays)[1].summary, "a (25주기)");
    EXPECT_EQ(UserEventEvents(countedDays)[1].uid, UserEventEvents(days)[1].uid);
    const std::vector<CalendarEvent> events = UserEventEvents(days);
    std::set<std::string> uids;
    for (const CalendarEvent& event : events) uids.insert(event.uid);
    EXPECT_EQ(uids.size(), events.size());                                         // by rule, name and year
    EXPECT_EQ(UserEventEvents(EventsIn(user, 2024, 2025))[3].uid, events[3].uid);  // the same on every run
    EXPECT_TRUE(events[0].uid.starts_with("event-2023-")) << events[0].uid;        // lunar 2023's 12-1, in January 2024
    // A leap month's date beside its ordinary month's namesake: two events a
    // year, also where the leap one is kept on the ordinary month's day (2026).
    UserDates namesakes;
    namesakes.events = {Anniversary(6, 1, false, "a"), Anniversary(6, 1, true, "a")};
    std::set<std::string> namesakeUids;
    for (const CalendarEvent& event : UserEventEvents(EventsIn(namesakes, 2025, 2026))) namesakeUids.insert(event.uid);
    EXPECT_EQ(namesakeUids.size(), 4u);
    // A holiday's source: built in, or the file it was added from.
    user.holidays = {{{2026, 3, 2}, "x", HolidayKind::Designated, 0}};
    user.holidaySources = {"/etc/dalcal/holidays"};
    std::vector<Holiday> holidays;
    ASSERT_TRUE(GetUserHolidays(2026, user, holidays));
    const std::string json = HolidaysJson(holidays, user.holidaySources);
    EXPECT_NE(json.find(R"({"date":"2026-03-02","name":"x","kind":")"), std::string::npos);
    EXPECT_NE(json.find(R"(","source":"/etc/dalcal/holidays"})"), std::string::npos);
    EXPECT_NE(json.find(R"({"date":"2026-01-01",)"), std::string::npos);
    EXPECT_NE(json.find(R"("source":"built-in")"), std::string::npos);
}

// February 2027's days as --days writes them in JSON: every key of each kind.
TEST(AlmanacDays, JsonOfEachKind)
{
    const std::vector<MarkedDay> days = MarkedDaysOfMonth(2027, 2, DayKinds{}, {});
    const std::string json = MarkedDaysJson(days);
    for (
        const char* object : {
            R"({"date":"2027-02-09","weekday":"화요일","type":"holiday","dateKind":"01","name":"설날 대체공휴일","kind":"대체공휴일","time":null,"source":null,"moved":false})",
            R"({"date":"2027-02-04","weekday":"목요일","type":"solarTerm","dateKind":"03","name":"입춘","kind":null,"time":"10:46","source":"kasi","moved":false})",
            R"({"date":"2027-02-28","weekday":"일요일","type":"anniversary","dateKind":"02","name":"2·28 민주운동 기념일","kind":null,"time":null,"source":null,"moved":false})",
            R"({"date":"2027-02-21","weekday":"일요일","type":"sundry","dateKind":"04","name":"정월대보름","kind":null,"time":null,"source":null,"moved":false})",
        }) {
        EXPECT_NE(json.find(object), std::string::npos) << object << "\n" << json;
    }
}

// The almanac days' iCalendar events, made one after another by one maker,
// each as it is made alone: nothing of the one before is left in it.
TEST(AlmanacDays, EachEventItsOwn)
{
    const std::vector<MarkedDay> days = MarkedDays(2027, 2027, DayKinds{}, {}, true);
    AlmanacDayEventMaker maker;
    std::size_t made = 0;
    for (const MarkedDay& day : days) {
        const CalendarEvent* event = maker.Make(day);
        AlmanacDayEventMaker alone;
        const CalendarEvent* expected = alone.Make(day);
        ASSERT_EQ(event == nullptr, expected == nullptr) << day.name;
        if (event == nullptr) continue;
        ++made;
        EXPECT_EQ(event->uid, expected->uid);
        EXPECT_EQ(event->summary, expected->summary);
        EXPECT_EQ(event->description, expected->description) << day.name;
        EXPECT_EQ(event->category, expected->category);
        EXPECT_EQ(event->utcMinuteOfDay, expected->utcMinuteOfDay) << day.name;
    }
    EXPECT_GT(made, 100U);  // 기념일 and 잡절 of a year
}

}  // namespace
