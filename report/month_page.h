#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <string>
#include "engine/almanac.h"
#include "report/date_reading.h"
#include "report/day_color.h"
#include "report/day_kinds.h"
#include "report/month_grid.h"
#include "report/user_dates.h"

// What a printed month page shows, as plain data (Korean text in UTF-8): the
// programs that draw pages lay it out; none of it knows of paper or fonts.

// One note of a day: what it is, as the lists write it ("설날 (공휴일)",
// "입춘 05:46", "할아버지 기일 (음력 12.30)") and as a cell names it (a
// holiday's name alone: "설날", "설날 대체공휴일"; the others as written).
struct PageNote {
    DayKind kind;
    std::string text;
    std::string name;
};

struct PageDay {
    std::int32_t day;  // 1..31
    Weekday weekday;
    DayColor color;
    std::string lunar;                      // "3.15", "윤6.1"; empty outside the almanac
    std::optional<LunarReading> lunarDate;  // the same as read; none outside the almanac
    std::vector<PageNote> notes;            // holidays first, the solar term, the user's events, 기념일 and
                                            // 잡절, of the kinds shown
};

// A small grid of a neighbouring month: its days from its first weekday.
struct SmallMonth {
    std::int32_t year;
    std::int32_t month;
    std::string title;  // "2027년 1월"
    MonthGrid grid;
    std::vector<std::int32_t> holidays;  // its days that are public holidays (Korea's almanac), in order
};

struct MonthPage {
    std::int32_t year;
    std::int32_t month;
    std::string title;                    // "2027년 2월"
    std::vector<std::string> lunarLines;  // the text calendar's header lines below its title
    MonthGrid grid;
    std::vector<PageDay> days;
    std::optional<SmallMonth> before;  // none before year 1
    std::optional<SmallMonth> after;   // none after year 9999
    std::vector<std::string> footer;   // the sources of what it shows; what an uncertain month means
};

// The page of a month of years 1..9999 (EConvertError naming a year or month
// out of range). Korea's almanac gives holidays, solar terms, the user's
// events, 기념일 and 잡절, of the kinds shown; the classic table the lunar
// dates alone, as the text views do.
MonthPage MakeMonthPage(std::int32_t year, std::int32_t month, Almanac almanac, const UserDates& user = {},
                        const DayKinds& kinds = kListedKinds);
