#include "programs/dalcal-print/terminal_style.h"

#include <array>
#include <string_view>
#include <vector>

#include "engine/holidays.h"
#include "report/day_color.h"
#include "runtime/civil_date.h"

namespace {

constexpr const char* kRed = "31";
constexpr const char* kBlue = "34";
constexpr const char* kReverse = "7";
constexpr const char* kReset = "\x1b[0m";

// Bit d set: day d of the month is a public holiday.
std::uint32_t HolidayDays(std::int32_t year, std::int32_t month, std::span<const AddedHoliday> added)
{
    std::vector<Holiday> holidays;
    GetHolidays(year, holidays, added);
    std::uint32_t days = 0;
    for (const Holiday& h : holidays) {
        if (h.date.month == month) days |= 1u << h.date.day;  // day in 1..31
    }
    return days;
}

// The colour of a day's cell by its DayColor (weekday, Saturday, holiday),
// none for a plain day.
constexpr std::array<const char*, 3> kDayColours = {nullptr, kBlue, kRed};

const char* ColourOf(DayColor color)
{
    return kDayColours.at(static_cast<std::size_t>(color));
}

// The escape sequence that starts a marked cell: a colour (or none), reversed for today.
std::string SelectGraphicRendition(const char* colour, bool reverse)
{
    std::string sequence = "\x1b[";
    if (colour != nullptr) sequence.append(colour);
    if (colour != nullptr && reverse) sequence.push_back(';');
    if (reverse) sequence.append(kReverse);
    sequence.push_back('m');
    return sequence;
}

}  // namespace

CellStyle MonthColors(std::int32_t year, std::int32_t month, bool markHolidays, const GregorianDate& today,
                      std::span<const AddedHoliday> added)
{
    const std::uint32_t holidayDays = markHolidays ? HolidayDays(year, month, added) : 0;
    return [=](std::int32_t day) {  // day in 1..31
        const DayColor color = DayColorOf(WeekdayOf({year, month, day}), (holidayDays & (1u << day)) != 0);
        const bool isToday = today.year == year && today.month == month && today.day == day;
        const char* colour = ColourOf(color);
        if (colour == nullptr && !isToday) return CellMarks{};
        return CellMarks{SelectGraphicRendition(colour, isToday), kReset};
    };
}

WeekdayStyle WeekdayColors()
{
    return [](Weekday weekday) {
        const char* colour = ColourOf(DayColorOf(weekday, false));
        if (colour == nullptr) return CellMarks{};
        return CellMarks{SelectGraphicRendition(colour, false), kReset};
    };
}
