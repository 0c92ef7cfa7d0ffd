#include "calendar_events.h"

#include <map>

#include "calendar_names.h"
#include "cp949.h"
#include "date_reading.h"
#include "sysutils.h"

namespace {

constexpr const char* kUidDomain = "@dalcal";

std::string Utf8(const AnsiString& cp949)
{
    return Cp949::ToUtf8(cp949);
}

std::string CompactDate(const GregorianDate& date)
{
    return Sysutils::Format("%.4d%.2d%.2d", date.year, date.month, date.day);
}

// The lunar date of a day in Korea's almanac, as a description ("" outside it).
std::string LunarDescription(const GregorianDate& date)
{
    const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, date);
    return lunar ? Utf8(LunarDateText(*lunar)) : std::string();
}

}  // namespace

std::vector<CalendarEvent> HolidayEvents(const std::vector<Holiday>& holidays)
{
    std::vector<CalendarEvent> events;
    events.reserve(holidays.size());
    std::map<AnsiString, std::string> names;  // a few dozen names, each converted once
    for (const Holiday& holiday : holidays) {
        const std::string kind = Utf8(HolidayKindName(holiday.kind));
        auto [found, added] = names.try_emplace(holiday.name);
        if (added) found->second = Utf8(holiday.name);
        const std::string& name = found->second;
        std::string uid = "holiday-" + CompactDate(holiday.date);
        uid += '-';
        std::string identity = kind;  // what makes a holiday this holiday: its kind and name
        identity += '\n';
        identity += name;
        uid += Fingerprint(identity);
        uid += kUidDomain;
        events.push_back({uid, name, LunarDescription(holiday.date), kind, holiday.date, std::nullopt});
    }
    return events;
}

std::vector<CalendarEvent> SolarTermEvents(const std::vector<SolarTerm>& terms)
{
    std::vector<CalendarEvent> events;
    events.reserve(terms.size());
    for (const SolarTerm& term : terms) {
        const UtcMinute utc = SolarTermUtc(term);
        const std::string name = Utf8(SolarTermNames.at(static_cast<std::size_t>(term.index)));
        events.push_back({Sysutils::Format("solar-term-%.4d-%.2d", term.date.year, term.index) + kUidDomain, name,
                          IsoDate(term.date) + " " + ClockTime(term.minuteOfDay) + " KST", Utf8(kSolarTermCategory),
                          utc.date, utc.minuteOfDay});
    }
    return events;
}

std::vector<CalendarEvent> AnniversaryEvents(const LunarAnniversary& anniversary,
                                             const std::vector<LunarDateOfYear>& years)
{
    const std::string lunarDate =
        Sysutils::Format("%.2d%.2d%s", anniversary.month, anniversary.day, anniversary.leap ? "-leap" : "");
    std::vector<CalendarEvent> events;
    for (const LunarDateOfYear& year : years) {
        if (!year.reading) continue;
        const DateReading& reading = *year.reading;
        events.push_back({"lunar-" + lunarDate + Sysutils::Format("-%.4d-", year.lunarYear) +
                              Fingerprint(anniversary.summary) + kUidDomain,
                          anniversary.summary, reading.lunar ? Utf8(LunarDateText(*reading.lunar)) : std::string(),
                          Utf8(kLunarAnniversaryCategory), reading.date, std::nullopt});
    }
    return events;
}
