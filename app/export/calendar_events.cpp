#include "calendar_events.h"

#include <map>
#include <utility>

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

// The lunar date of a day in Korea's almanac, as a description ("" outside it).
std::string LunarDescription(const GregorianDate& date)
{
    const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, date);
    return lunar ? Utf8(LunarDateText(*lunar)) : std::string();
}

// What a holiday's events share with every other day of the same holiday.
struct HolidayLabel {
    std::string name;
    std::string kind;
    std::string fingerprint;  // of what makes a holiday this holiday: its kind and name
};

HolidayLabel LabelOf(const Holiday& holiday)
{
    HolidayLabel label{Utf8(holiday.name), Utf8(HolidayKindName(holiday.kind)), {}};
    label.fingerprint = Fingerprint(label.kind + '\n' + label.name);
    return label;
}

}  // namespace

std::vector<CalendarEvent> HolidayEvents(const std::vector<Holiday>& holidays)
{
    std::vector<CalendarEvent> events;
    events.reserve(holidays.size());
    std::map<std::pair<AnsiString, HolidayKind>, HolidayLabel> labels;  // a few dozen, each made once
    for (const Holiday& holiday : holidays) {
        auto [found, added] = labels.try_emplace({holiday.name, holiday.kind});
        if (added) found->second = LabelOf(holiday);
        const HolidayLabel& label = found->second;
        std::string uid = "holiday-";
        AppendDateValue(uid, holiday.date);
        uid += '-';
        uid += label.fingerprint;
        uid += kUidDomain;
        events.push_back(
            {std::move(uid), label.name, LunarDescription(holiday.date), label.kind, holiday.date, std::nullopt});
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

std::vector<CalendarEvent> UserEventEvents(const std::vector<EventDay>& days)
{
    std::vector<CalendarEvent> events;
    events.reserve(days.size());
    for (const EventDay& day : days) {
        const std::string identity = DateRuleIdentity(day.event->rule) + day.event->utf8Name;
        std::string uid = Sysutils::Format("event-%.4d-", day.observance.ruleYear);
        uid += Fingerprint(identity);
        uid += kUidDomain;
        events.push_back({std::move(uid), day.event->utf8Name, Utf8(EventText(day)), Utf8(kUserEventCategory),
                          day.observance.date, std::nullopt});
    }
    return events;
}
