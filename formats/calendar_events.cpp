#include "calendar_events.h"

#include <utility>

#include "calendar_names.h"
#include "cp949.h"
#include "date_reading.h"
#include "date_text.h"
#include "korean_words.h"
#include "sysutils.h"

namespace {

constexpr const char* kUidDomain = "@dalcal";

std::string Utf8(const AnsiString& cp949)
{
    return Cp949::ToUtf8(cp949);
}

// What a regular election the statute schedules adds to its description, in UTF-8.
const std::string& Utf8ScheduledElectionNote()
{
    static const std::string note = " \u00B7 " + Utf8(kScheduledElectionNote);  // " · "
    return note;
}

// The words of a lunar date's text in UTF-8, converted once.
const LunarDateWords& Utf8LunarDateWords()
{
    static const LunarDateWords words = Cp949LunarDateWords().Converted(Utf8);
    return words;
}

}  // namespace

HolidayEventMaker::Label HolidayEventMaker::LabelOf(const Holiday& holiday)
{
    Label label{Utf8(holiday.name), Utf8(HolidayKindName(holiday.kind)), {}};
    label.fingerprint = Fingerprint(label.kind + '\n' + label.name);
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
        AppendLunarDateText(event_.description, *lunar, Utf8LunarDateWords());
    }
    if (holiday.source == kScheduledByStatute) event_.description += Utf8ScheduledElectionNote();
    event_.date = holiday.date;
    event_.ownWords = true;  // the lunar date's text and the kind's name
    return event_;
}

std::vector<CalendarEvent> HolidayEvents(const std::vector<Holiday>& holidays)
{
    HolidayEventMaker maker;
    std::vector<CalendarEvent> events;
    events.reserve(holidays.size());
    for (const Holiday& holiday : holidays) events.push_back(maker.Make(holiday));
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
                          utc.date, utc.minuteOfDay, true});
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
                          Utf8(kLunarAnniversaryCategory), reading.date, std::nullopt, true});
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
