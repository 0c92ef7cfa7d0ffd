// The C interface's reading of a day: the JSON of dalcal-print --json DATE.
#include <cstring>
#include <string>

#include "dalcal/dalcal.h"
#include "formats/json_documents.h"
#include "libdalcal/interface_guard.h"
#include "report/date_reading.h"

extern "C" {

dalcal_status dalcal_reading_json(int32_t almanac, const dalcal_date* date, char* buffer, size_t size, size_t* length,
                                  dalcal_error* error)
{
    if (date == nullptr || (buffer == nullptr && size > 0)) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_NO_DATE, [&] {
        Almanac chosen{};
        if (!AlmanacOf(almanac, chosen, error)) return DALCAL_E_ARGUMENT;
        if (date->year < kFirstYear || date->year > kLastYear) {
            Explain(error, "year " + std::to_string(date->year) + ": not within 1-9999");
            return DALCAL_E_RANGE;
        }
        const std::string json = DateReadingJson(ReadDate(chosen, {date->year, date->month, date->day}));
        if (length != nullptr) *length = json.size();
        if (json.size() >= size) {
            Explain(error, "the buffer is too small for the document and its NUL");
            return DALCAL_E_SPACE;
        }
        std::memcpy(buffer, json.c_str(), json.size() + 1);
        return DALCAL_OK;
    });
}

const char* dalcal_status_name(int32_t status)
{
    switch (status) {  // an int: a C caller may pass any
        case DALCAL_OK:
            return "done";
        case DALCAL_E_ARGUMENT:
            return "a null pointer or an unknown value";
        case DALCAL_E_NO_DATE:
            return "no such date";
        case DALCAL_E_RANGE:
            return "outside the years known";
        case DALCAL_E_SPACE:
            return "the buffer is too small";
        case DALCAL_E_FILE:
            return "a file that cannot be read";
        case DALCAL_E_INTERNAL:
            return "a fault of the library";
    }
    return "an unknown status";
}

const char* dalcal_version(void)
{
    return DALCAL_VERSION;
}

}  // extern "C"
