#include "formats/json_documents.h"

#include "formats/json_writer.h"
#include "report/korean_words.h"
#include "runtime/date_text.h"

namespace {

std::string UtcText(const UtcMinute& utc)
{
    return IsoDate(utc.date) + "T" + ClockTime(utc.minuteOfDay) + ":00Z";  // seconds, as jq's fromdateiso8601 reads
}

void WriteLunar(JsonWriter& json, const std::optional<LunarReading>& lunar)
{
    if (!lunar) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("year");
    json.Number(lunar->date.year);
    json.Key("month");
    json.Number(lunar->date.month);
    json.Key("day");
    json.Number(lunar->date.day);
    json.Key("leap");
    json.Bool(lunar->date.leap);
    json.Key("yearStemBranch");
    json.String(StemBranchName(lunar->year));
    json.Key("monthStemBranch");
    json.String(StemBranchName(lunar->month));
    json.Key("uncertain");
    json.Bool(lunar->uncertain);
    json.EndObject();
}

// "built-in", "statute" for a regular election the statute schedules (not yet
// announced), or the file an added day was read from.
std::string_view HolidaySource(const Holiday& holiday, const HolidaySources& sources)
{
    if (holiday.source == kBuiltInHoliday) return "built-in";
    if (holiday.source == kScheduledByStatute) return "statute";
    const auto index = static_cast<std::size_t>(holiday.source);
    return index < sources.size() ? std::string_view(sources[index]) : std::string_view("added");
}

void WriteHolidayMembers(JsonWriter& json, const Holiday& holiday, const HolidaySources& sources)
{
    json.Key("name");
    json.String(holiday.name);
    json.Key("kind");
    json.String(HolidayKindName(holiday.kind));
    json.Key("source");
    json.String(HolidaySource(holiday, sources));
}

void WriteEventMembers(JsonWriter& json, const EventDay& day)
{
    json.Key("name");
    json.String(day.event->name);
    json.Key("moved");
    json.Bool(day.observance.moved);
    json.Key("rule");
    json.String(DateRuleKindName(day.event->rule.kind));
    json.Key("kind");
    json.String(EventKindWord(day.event->kind));
    json.Key("years");
    if (const std::optional<std::int32_t> years = YearsCounted(day)) {
        json.Number(*years);
    } else {
        json.Null();
    }
    json.Key("remind");
    if (day.event->remindDays) {
        json.Number(*day.event->remindDays);
    } else {
        json.Null();
    }
}

void WriteTermMembers(JsonWriter& json, const SolarTerm& term)
{
    json.Key("name");
    json.String(SolarTermNames.at(static_cast<std::size_t>(term.index)));
    json.Key("time");
    json.String(ClockTime(term.minuteOfDay));
    json.Key("utc");
    json.String(UtcText(SolarTermUtc(term)));
    json.Key("uncertain");
    json.Bool(term.uncertainDay);
    json.Key("source");
    json.String(term.published ? "kasi" : "computed");
}

// A marked day's type in JSON, by DayKind.
const char* TypeOf(const MarkedDay& day)
{
    constexpr const char* kTypes[] = {"holiday", "solarTerm", "anniversary", "sundry", "event"};  // by DayKind
    return kTypes[static_cast<std::size_t>(day.kind)];
}

void WriteDateKind(JsonWriter& json, std::optional<const char*> dateKind)
{
    json.Key("dateKind");
    if (dateKind) {
        json.String(*dateKind);
    } else {
        json.Null();
    }
}

void WriteTime(JsonWriter& json, std::optional<std::int32_t> minuteOfDay)
{
    json.Key("time");
    if (minuteOfDay) {
        json.String(ClockTime(*minuteOfDay));
    } else {
        json.Null();
    }
}

void WriteAlmanacDays(JsonWriter& json, const std::vector<MarkedDay>& days)
{
    json.Key("almanacDays");
    json.BeginArray();
    for (const MarkedDay& day : days) {
        json.BeginObject();
        json.Key("name");
        json.String(day.name);
        json.Key("type");
        json.String(TypeOf(day));
        WriteDateKind(json, KasiDateKind(day));
        WriteTime(json, day.minuteOfDay);
        json.EndObject();
    }
    json.EndArray();
}

void WriteDateReading(JsonWriter& json, const DateReading& reading, const HolidaySources& sources)
{
    json.BeginObject();
    json.Key("date");
    json.String(IsoDate(reading.date));
    json.Key("weekday");
    json.String(WeekdayName(reading.weekday));
    json.Key("dayStemBranch");
    json.String(StemBranchName(reading.day));
    json.Key("almanac");
    json.String(reading.almanac == Almanac::Korea ? "korea" : "classic");
    json.Key("lunar");
    WriteLunar(json, reading.lunar);
    json.Key("holidays");
    if (reading.holidays) {
        json.BeginArray();
        for (const Holiday& holiday : *reading.holidays) {
            json.BeginObject();
            WriteHolidayMembers(json, holiday, sources);
            json.EndObject();
        }
        json.EndArray();
    } else {
        json.Null();
    }
    json.Key("solarTerm");
    if (reading.solarTerm) {
        json.BeginObject();
        WriteTermMembers(json, *reading.solarTerm);
        json.EndObject();
    } else {
        json.Null();
    }
    json.Key("events");
    json.BeginArray();
    for (const EventDay& day : reading.events) {
        json.BeginObject();
        WriteEventMembers(json, day);
        json.EndObject();
    }
    json.EndArray();
    WriteAlmanacDays(json, reading.almanacDays);
    json.EndObject();
}

}  // namespace

std::string DateReadingJson(const DateReading& reading, const HolidaySources& sources)
{
    JsonWriter json;
    WriteDateReading(json, reading, sources);
    return json.Text();
}

std::string HolidaysJson(const std::vector<Holiday>& holidays, const HolidaySources& sources)
{
    JsonWriter json;
    json.BeginArray();
    for (const Holiday& holiday : holidays) {
        json.BeginObject();
        json.Key("date");
        json.String(IsoDate(holiday.date));
        WriteHolidayMembers(json, holiday, sources);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

std::string EventsJson(const std::vector<EventDay>& days)
{
    JsonWriter json;
    json.BeginArray();
    for (const EventDay& day : days) {
        json.BeginObject();
        json.Key("date");
        json.String(IsoDate(day.observance.date));
        WriteEventMembers(json, day);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

std::string DateReadingsJson(const std::vector<DateReading>& readings, const HolidaySources& sources)
{
    JsonWriter json;
    json.BeginArray();
    for (const DateReading& reading : readings) WriteDateReading(json, reading, sources);
    json.EndArray();
    return json.Text();
}

std::string UpcomingJson(const std::vector<UpcomingDate>& dates)
{
    constexpr const char* kTypes[] = {"holiday",  "solarTerm",   "event",
                                      "reminder", "anniversary", "sundry"};           // by UpcomingKind
    constexpr const char* kDateKinds[] = {"01", "03", nullptr, nullptr, "02", "04"};  // KASI's
    JsonWriter json;
    json.BeginArray();
    for (const UpcomingDate& date : dates) {
        json.BeginObject();
        json.Key("date");
        json.String(IsoDate(date.date));
        json.Key("weekday");
        json.String(WeekdayName(WeekdayOf(date.date)));
        json.Key("daysLeft");
        json.Number(date.daysLeft);
        json.Key("type");
        json.String(kTypes[static_cast<std::size_t>(date.kind)]);
        const char* const dateKind = kDateKinds[static_cast<std::size_t>(date.kind)];
        WriteDateKind(json, dateKind != nullptr ? std::optional(dateKind) : std::nullopt);
        json.Key("name");
        json.String(date.name);
        json.Key("kind");
        if (date.holidayKind) {
            json.String(HolidayKindName(*date.holidayKind));
        } else {
            json.Null();
        }
        json.Key("time");
        if (date.minuteOfDay) {
            json.String(ClockTime(*date.minuteOfDay));
        } else {
            json.Null();
        }
        json.Key("moved");
        json.Bool(date.moved);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

std::string MarkedDaysJson(const std::vector<MarkedDay>& days)
{
    JsonWriter json;
    json.BeginArray();
    for (const MarkedDay& day : days) {
        json.BeginObject();
        json.Key("date");
        json.String(IsoDate(day.date));
        json.Key("weekday");
        json.String(WeekdayName(WeekdayOf(day.date)));
        json.Key("type");
        json.String(TypeOf(day));
        WriteDateKind(json, KasiDateKind(day));
        json.Key("name");
        json.String(day.name);
        json.Key("kind");
        if (day.holidayKind) {
            json.String(HolidayKindName(*day.holidayKind));
        } else {
            json.Null();
        }
        WriteTime(json, day.minuteOfDay);
        json.Key("source");
        if (day.kind == DayKind::Terms) {
            json.String(day.published ? "kasi" : "computed");
        } else {
            json.Null();
        }
        json.Key("moved");
        json.Bool(day.moved);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

std::string SolarTermsJson(const std::vector<SolarTerm>& terms)
{
    JsonWriter json;
    json.BeginArray();
    for (const SolarTerm& term : terms) {
        json.BeginObject();
        json.Key("date");
        json.String(IsoDate(term.date));
        WriteTermMembers(json, term);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

std::string LunarYearsJson(const std::vector<LunarDateOfYear>& years, const HolidaySources& sources)
{
    JsonWriter json;
    json.BeginArray();
    for (const LunarDateOfYear& year : years) {
        json.BeginObject();
        json.Key("year");
        json.Number(year.lunarYear);
        json.Key("date");
        if (year.reading) {
            WriteDateReading(json, *year.reading, sources);
        } else {
            json.Null();
        }
        json.Key("moved");
        json.Bool(year.moved);
        json.Key("lacks");
        if (year.lacks == LunarDateLack::None) {
            json.Null();
        } else {
            json.String(year.lacks == LunarDateLack::LeapMonth ? "leap-month" : "day");
        }
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}
