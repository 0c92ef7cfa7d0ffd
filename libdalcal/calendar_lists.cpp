// The C interface's lists of a year: the solar terms and the public holidays.
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dalcal/dalcal.h"
#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "libdalcal/interface_guard.h"
#include "report/korean_words.h"
#include "report/user_dates.h"
#include "userdata/user_files.h"

// The list dalcal_holidays_of_year makes: the holidays with their texts, and
// the C view of each, pointing into them.
struct dalcal_holidays {
    std::vector<Holiday> holidays;
    std::vector<std::string> titles;
    std::vector<dalcal_holiday> items;
};

namespace {

dalcal_moment MomentOf(const GregorianDate& date, std::int32_t minuteOfDay)
{
    return {{date.year, date.month, date.day}, minuteOfDay};
}

void CopyName(const char* name, char (&out)[8])
{
    std::memset(out, 0, sizeof(out));
    std::strncpy(out, name, sizeof(out) - 1);  // a term's name: two syllables, six bytes
}

// The added days of a file, or DALCAL_E_FILE naming what is wrong with it.
dalcal_status ReadAdded(const char* path, UserDates& user, dalcal_error* error)
{
    UserFilePaths paths;
    paths.holidays.emplace_back(path);
    bool unreadable = false;
    ReadAddedHolidays(
        paths,
        [&](const std::string& where, const Message& what) {
            if (where == path) {  // the file itself, not one of its lines
                unreadable = true;
                Explain(error, where + ": " + what.English());
            }
        },
        user);
    if (unreadable) return DALCAL_E_FILE;
    if (user.holidaySources.empty()) {
        Explain(error, std::string(path) + ": No such file or directory");
        return DALCAL_E_FILE;
    }
    return DALCAL_OK;
}

}  // namespace

extern "C" {

dalcal_status dalcal_solar_terms(int32_t year, dalcal_solar_term terms[24], dalcal_error* error)
{
    if (terms == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_RANGE, [&] {
        std::array<SolarTerm, kSolarTermsInYear> ofYear{};
        if (!GetSolarTerms(year, ofYear)) {
            Explain(error, "year " + std::to_string(year) + ": the solar terms are known for 1900-2100");
            return DALCAL_E_RANGE;
        }
        for (std::size_t i = 0; i < ofYear.size(); ++i) {
            const SolarTerm& term = ofYear[i];
            const UtcMinute utc = SolarTermUtc(term);
            dalcal_solar_term& out = terms[i];
            out.index = term.index;
            CopyName(SolarTermNames.at(static_cast<std::size_t>(term.index)), out.name);
            out.korea = MomentOf(term.date, term.minuteOfDay);
            out.utc = MomentOf(utc.date, utc.minuteOfDay);
            out.uncertain = term.uncertainDay ? 1 : 0;
        }
        return DALCAL_OK;
    });
}

dalcal_status dalcal_holidays_of_year(int32_t year, const char* holidays_file, dalcal_holidays** list,
                                      dalcal_error* error)
{
    if (list == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_RANGE, [&] {
        UserDates user;
        if (holidays_file != nullptr) {
            if (const dalcal_status status = ReadAdded(holidays_file, user, error); status != DALCAL_OK) return status;
        }
        auto made = std::make_unique<dalcal_holidays>();
        if (!GetUserHolidays(year, user, made->holidays)) {
            Explain(error, "year " + std::to_string(year) + ": Korea's public holidays are known for 2014-2100");
            return DALCAL_E_RANGE;
        }
        made->titles.reserve(made->holidays.size());
        for (const Holiday& holiday : made->holidays) made->titles.push_back(HolidayTitle(holiday));
        made->items.reserve(made->holidays.size());
        for (std::size_t i = 0; i < made->holidays.size(); ++i) {
            const Holiday& holiday = made->holidays[i];
            made->items.push_back({{holiday.date.year, holiday.date.month, holiday.date.day},
                                   static_cast<std::int32_t>(holiday.kind),
                                   holiday.name.c_str(),
                                   made->titles[i].c_str(),
                                   HolidayKindName(holiday.kind),
                                   holiday.source >= 0 ? 1 : 0,
                                   holiday.source == kScheduledByStatute ? 1 : 0});
        }
        *list = made.release();
        return DALCAL_OK;
    });
}

size_t dalcal_holidays_count(const dalcal_holidays* list)
{
    return list != nullptr ? list->items.size() : 0;
}

const dalcal_holiday* dalcal_holidays_at(const dalcal_holidays* list, size_t index)
{
    return list != nullptr && index < list->items.size() ? &list->items[index] : nullptr;
}

void dalcal_holidays_free(dalcal_holidays* list)
{
    delete list;
}

}  // extern "C"
