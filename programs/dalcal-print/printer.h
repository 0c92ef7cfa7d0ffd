#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "formats/icalendar.h"
#include "print_request/arguments.h"
#include "print_request/surroundings.h"
#include "report/date_reading.h"
#include "report/line_output.h"

// Where a run writes: bytes in the encoding asked for, lines ended.
using ByteOutput = std::function<void(std::string_view bytes)>;

// Writes a run's output: lines in the encoding asked for (the views' UTF-8,
// the window's calendar CP949, each converted here if need be), or whole
// documents (UTF-8); and reads what a run needs of its surroundings.
class Printer {
public:
    Printer(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
        : request_(request), context_(context), output_(output)
    {
    }

    TextOutput Output() const
    {
        return [this](const std::string& line) { Write(line); };
    }
    LineOutput WindowCalendarOutput() const
    {
        return [this](const AnsiString& line) { WriteCp949(line); };
    }
    void Write(const std::string& utf8Line) const;
    void WriteCp949(const AnsiString& line) const;
    void Document(const std::string& utf8) const { output_(utf8); }

    // An iCalendar file, written as its events are added.
    ICalendarWriter Calendar(std::string_view name) const
    {
        return ICalendarWriter(name, context_.stampSeconds, output_);
    }

    const PrintRequest& Request() const { return request_; }
    const RunContext& Context() const { return context_; }
    std::int32_t ThisYear() const { return context_.today.year; }

    // A month's grid and, in Korea's almanac, its holidays, terms and the user's events below.
    void Month(std::int32_t year, std::int32_t month) const;

    // A year: its twelve months, or on a terminal (and with --layout compact)
    // the months side by side as many as fit, then its holidays.
    void Year(std::int32_t year) const;

    // The user's dates: all, the added holidays alone or the events alone
    // (each file read when first asked for).
    const UserDates& User() const { return context_.user.All(); }
    const UserDates& Holidays() const { return context_.user.Holidays(); }
    const UserDates& Events() const { return context_.user.Events(); }

    // The kinds of days shown: the view's defaults, then the settings file's
    // choices, then --show and --hide.
    DayKinds Kinds(const DayKinds& defaults) const
    {
        return request_.kinds.Apply(context_.user.Settings().Apply(defaults));
    }

    // Everything known of a day, the user's dates included.
    DateReading Read(const GregorianDate& date) const
    {
        return ReadDate(request_.almanac, date, User(), Kinds(kEveryKind));
    }

private:
    MonthLayout LayoutOfMonth() const;
    CellStyle MonthStyle(std::int32_t year, std::int32_t month) const;

    const PrintRequest& request_;
    const RunContext& context_;
    const ByteOutput& output_;
    mutable std::string lineBytes_;  // the line Write is writing: a month with many notes writes many
};
