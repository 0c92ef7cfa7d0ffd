#include "formats/calendar_events.h"

#include <utility>

#include "report/calendar_names.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "runtime/date_text.h"
#include "runtime/number_text.h"

namespace {

constexpr const char* kUidDomain = "@dalcal";

// What a regular election the statute schedules adds to its description.
const std::string& ScheduledElectionNote()
{
    static const std::string note = std::string(kPartSeparator) + kScheduledElectionNote;
    return note;
}

// A moment of Korean civil time as an event: at its minute in UTC, its Korean
// date and time as the description ("2027-02-04 10:46 KST").
void SetKoreanMoment(CalendarEvent& event, const GregorianDate& date, std::int32_t minuteOfDay)
{
    const UtcMinute utc = KoreanMinuteToUtc(date, minuteOfDay);
    event.description = IsoDate(date);
    event.description += ' ';
    event.description += ClockTime(minuteOfDay);
    event.description += " KST";
    event.date = utc.date;
    event.utcMinuteOfDay = utc.minuteOfDay;
}

}  // namespace

HolidayEventMaker::Label HolidayEventMaker::LabelOf(const Holiday& holiday)
{
    Label label{HolidayTitle(holiday), HolidayKindName(holiday.kind), {}};
    label.fingerprint = Fingerprint(label.kind + '\n' + holiday.name);  // as before titles: UIDs stay
    return label;
}

const CalendarEvent& HolidayEventMaker::Make(const Holiday& holiday)
{
    auto [found, added] = labels_.try_emplace({holiday.name, holiday.kind});
    if (added) found->second = LabelOf(holiday);
    const Label& label = found->second;
    event_.uid = "holiday-";
    AppendDateValue(event_.uid, holiday.date);
    event_.uid += '-';
    event_.uid += label.fingerprint;
    event_.uid += kUidDomain;
    event_.summary = label.name;
    event_.category = label.kind;
    event_.description.clear();
    if (const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, holiday.date)) {
        AppendLunarDateText(event_.description, *lunar);
    }
    if (holiday.source == kScheduledByStatute) event_.description += ScheduledElectionNote();
    event_.date = holiday.date;
    event_.ownWords = true;  // the lunar date's text and the kind's name
    return event_;
}

void MakeSolarTermEvent(const SolarTerm& term, CalendarEvent& event)
{
    event.uid = "solar-term-";  // solar-term-YYYY-II
    AppendZeroFilled(event.uid, term.date.year, 4);
    event.uid += '-';
    AppendZeroFilled(event.uid, term.index, 2);
    event.uid += kUidDomain;
    event.summary = SolarTermNames.at(static_cast<std::size_t>(term.index));
    event.category = kSolarTermCategory;
    SetKoreanMoment(event, term.date, term.minuteOfDay);
    event.ownWords = true;
}

const CalendarEvent* AlmanacDayEventMaker::Make(const MarkedDay& day)
{
    if (day.kind != DayKind::Anniversaries && day.kind != DayKind::Sundry) return nullptr;
    auto [fingerprint, added] = fingerprints_.try_emplace(day.name);
    if (added) fingerprint->second = Fingerprint(day.name);
    event_.uid = day.kind == DayKind::Anniversaries ? "anniversary-" : "sundry-";
    AppendDateValue(event_.uid, day.date);
    event_.uid += '-';
    event_.uid += fingerprint->second;
    event_.uid += kUidDomain;
    event_.summary = day.name;
    event_.category = DayKindName(day.kind);
    event_.ownWords = true;  // the kind's name, the lunar date's text and the time
    event_.description.clear();
    event_.utcMinuteOfDay.reset();
    event_.date = day.date;
    if (day.minuteOfDay) {
        SetKoreanMoment(event_, day.date, *day.minuteOfDay);
    } else if (const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, day.date)) {
        AppendLunarDateText(event_.description, *lunar);
    }
    return &event_;
}

std::vector<CalendarEvent> AnniversaryEvents(const LunarAnniversary& anniversary,
                                             const std::vector<LunarDateOfYear>& years)
{
    std::string lunarDate;  // "0815", "0601-leap"
    AppendZeroFilled(lunarDate, anniversary.month, 2);
    AppendZeroFilled(lunarDate, anniversary.day, 2);
    if (anniversary.leap) lunarDate += "-leap";
    std::vector<CalendarEvent> events;
    for (const LunarDateOfYear& year : years) {
        if (!year.reading) continue;
        const DateReading& reading = *year.reading;
        std::string description = reading.lunar ? LunarDateText(*reading.lunar) : std::string();
        if (year.moved) description += MovedAnniversaryNote(anniversary.month, anniversary.day, anniversary.leap);
        std::string uid = "lunar-" + lunarDate + '-';
        AppendZeroFilled(uid, year.lunarYear, 4);
        ((uid += '-') += Fingerprint(anniversary.summary)) += kUidDomain;
        events.push_back({std::move(uid), anniversary.summary, std::move(description),
                          std::string(kLunarAnniversaryCategory), reading.date, std::nullopt,
                          !year.moved});  // "옮김" follows a comma, which TEXT escapes
    }
    return events;
}

std::vector<CalendarEvent> UserEventEvents(const std::vector<EventDay>& days)
{
    std::vector<CalendarEvent> events;
    events.reserve(days.size());
    for (const EventDay& day : days) {
        const std::string identity = DateRuleIdentity(day.event->rule) + day.event->name;
        std::string uid = "event-";
        AppendZeroFilled(uid, day.observance.ruleYear, 4);
        uid += '-';
        uid += Fingerprint(identity);
        uid += kUidDomain;
        std::string summary = day.event->name;
        if (const std::optional<std::int32_t> years = YearsCounted(day)) {
            ((summary += " (") += YearsText(day.event->kind, *years)) += ')';
        }
        events.push_back({std::move(uid), std::move(summary), EventText(day), std::string(kUserEventCategory),
                          day.observance.date, std::nullopt});
    }
    return events;
}
