// Feeds libdalcal's C interface whatever integers the input makes, as a C
// caller might: every call returns one of the statuses; a refusal writes
// nothing and explains itself in one line of UTF-8; an answer is a date of
// its almanac that converts back to where it came from; the holidays list
// and the reading's buffer are never overrun (AddressSanitizer watches).
//
// Input: little-endian 32-bit integers, taken in turn (zeros past the end).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "dalcal/dalcal.h"
#include "tests/fuzz/output_checks.h"
#include "text/utf8.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

class Numbers {
public:
    Numbers(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int32_t Next()
    {
        std::uint32_t value = 0;
        for (int byte = 0; byte < 4; ++byte, ++at_) {
            if (at_ < size_) value |= static_cast<std::uint32_t>(data_[at_]) << (8 * byte);
        }
        return static_cast<std::int32_t>(value);
    }
    // A small number most of the time, where the input's byte says so: dates that exist.
    std::int32_t Near(std::int32_t base, std::int32_t spread)
    {
        const std::int32_t raw = Next();
        return (raw & 1) != 0 ? raw
                              : base + static_cast<std::int32_t>((static_cast<std::uint32_t>(raw) >> 1) %
                                                                 static_cast<std::uint32_t>(spread));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool KnownStatus(dalcal_status status)
{
    return status >= DALCAL_OK && status <= DALCAL_E_INTERNAL && status != DALCAL_E_INTERNAL;
}

void RequireExplained(dalcal_status status, const dalcal_error& error)
{
    Require(KnownStatus(status));
    if (status == DALCAL_OK) return;
    const std::size_t length = strnlen(error.message, sizeof(error.message));
    Require(length > 0 && length < sizeof(error.message));
    const std::string_view message(error.message, length);
    Require(Utf8::IsWellFormed(message) && message.find('\n') == std::string_view::npos);
}

void CheckConversions(Numbers& numbers)
{
    const std::int32_t almanac = numbers.Near(0, 2);
    const dalcal_date date{numbers.Near(1380, 740), numbers.Near(1, 12), numbers.Near(1, 31)};
    dalcal_lunar_date lunar{-7, -7, -7, -7, -7};
    dalcal_error error{};
    const dalcal_status status = dalcal_to_lunar(almanac, &date, &lunar, &error);
    RequireExplained(status, error);
    if (status != DALCAL_OK) {
        Require(lunar.year == -7);
    } else {
        Require(lunar.month >= 1 && lunar.month <= 12 && lunar.day >= 1 && lunar.day <= 30);
        dalcal_date back{};
        Require(dalcal_to_solar(almanac, &lunar, &back, &error) == DALCAL_OK);
        Require(back.year == date.year && back.month == date.month && back.day == date.day);
    }
    const dalcal_lunar_date asked{numbers.Near(1380, 740), numbers.Near(1, 12), numbers.Near(1, 30), numbers.Near(0, 2),
                                  0};
    dalcal_date solar{-7, -7, -7};
    const dalcal_status toSolar = dalcal_to_solar(almanac, &asked, &solar, &error);
    RequireExplained(toSolar, error);
    Require(toSolar == DALCAL_OK ? solar.year >= 1391 && solar.year <= 2101 : solar.year == -7);
}

void CheckCycleAndTerms(Numbers& numbers)
{
    dalcal_error error{};
    dalcal_stem_branch position{};
    const dalcal_date day{numbers.Near(1, 9999), numbers.Near(1, 12), numbers.Near(1, 31)};
    RequireExplained(dalcal_day_stem_branch(&day, &position, &error), error);
    RequireExplained(dalcal_lunar_year_stem_branch(numbers.Near(1, 9999), &position, &error), error);
    RequireExplained(dalcal_lunar_month_stem_branch(numbers.Near(1, 9999), numbers.Near(1, 12), &position, &error),
                     error);
    Require(Utf8::IsWellFormed(std::string_view(position.name, strnlen(position.name, sizeof(position.name)))));
    dalcal_solar_term terms[24]{};
    RequireExplained(dalcal_solar_terms(numbers.Near(1890, 220), terms, &error), error);
}

void CheckHolidaysAndReading(Numbers& numbers)
{
    dalcal_error error{};
    dalcal_holidays* list = nullptr;
    const dalcal_status status = dalcal_holidays_of_year(numbers.Near(2010, 95), nullptr, &list, &error);
    RequireExplained(status, error);
    Require((status == DALCAL_OK) == (list != nullptr));
    for (std::size_t i = 0; i < dalcal_holidays_count(list); ++i) {
        const dalcal_holiday* holiday = dalcal_holidays_at(list, i);
        Require(holiday != nullptr && Utf8::IsWellFormed(holiday->title) && holiday->kind >= DALCAL_HOLIDAY &&
                holiday->kind <= DALCAL_DESIGNATED);
    }
    dalcal_holidays_free(list);

    const dalcal_date day{numbers.Near(1, 9999), numbers.Near(1, 12), numbers.Near(1, 31)};
    const auto size = static_cast<std::size_t>(numbers.Near(0, 2000)) % 4096;
    std::vector<char> buffer(size);
    std::size_t length = 0;
    const dalcal_status read =
        dalcal_reading_json(numbers.Near(0, 2), &day, size > 0 ? buffer.data() : nullptr, size, &length, &error);
    RequireExplained(read, error);
    if (read == DALCAL_OK) Require(length < size && IsJsonText(std::string(buffer.data(), length)));
    if (read == DALCAL_E_SPACE) Require(length >= size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Numbers numbers(data, size);
    CheckConversions(numbers);
    CheckCycleAndTerms(numbers);
    CheckHolidaysAndReading(numbers);
    Require(dalcal_status_name(static_cast<std::int32_t>(numbers.Next()))[0] != '\0');
    return 0;
}
