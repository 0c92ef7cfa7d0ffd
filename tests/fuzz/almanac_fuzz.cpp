// Feeds arbitrary integers to both conversions of both almanacs: a lunar date
// either is refused with EConvertError or gives a Gregorian day that converts
// back to it; a Gregorian date either is refused or gives a lunar date (or
// none) that converts back to it.
//
// Input: one byte of flags (bit 0 the almanac, bit 1 the leap flag), then
// three signed 32-bit integers (little-endian); missing bytes are zero.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "engine/almanac.h"
#include "engine/sexagenary.h"
#include "runtime/exception.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

std::int32_t ReadInt(const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < 4 && offset + i < size; ++i) bytes[i] = data[offset + i];
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

void LunarToSolarAndBack(Almanac almanac, std::int32_t year, std::int32_t month, std::int32_t day, bool leap)
{
    GregorianDate solar;
    try {
        solar = LunarToSolar(almanac, year, month, day, leap);
    } catch (const EConvertError&) {
        return;
    }
    Require(ToLunar(almanac, solar) == (LunarDate{year, month, day, leap}));
}

void SolarToLunarAndBack(Almanac almanac, std::int32_t year, std::int32_t month, std::int32_t day)
{
    std::optional<LunarDate> lunar;
    try {
        lunar = ToLunar(almanac, {year, month, day});
    } catch (const EConvertError&) {
        Require(year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > GetSolarMonthDays(year, month));
        return;
    }
    if (!lunar) return;  // no lunar date, or counted back before 1900
    Require(LunarToSolar(almanac, lunar->year, lunar->month, lunar->day, lunar->leap) ==
            (GregorianDate{year, month, day}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t flags = size > 0 ? data[0] : 0;
    const Almanac almanac = (flags & 1) != 0 ? Almanac::Korea : Almanac::Classic;
    const bool leap = (flags & 2) != 0;
    const std::int32_t a = ReadInt(data, size, 1);
    const std::int32_t b = ReadInt(data, size, 5);
    const std::int32_t c = ReadInt(data, size, 9);
    LunarToSolarAndBack(almanac, a, b, c, leap);
    SolarToLunarAndBack(almanac, a, b, c);
    return 0;
}
