#pragma once

#include <cstdint>
#include <vector>

#include "runtime/civil_date.h"

// 잡절 (雜節): the days of Korea's almanac that are neither holidays nor
// solar terms, by the rules KASI's almanac has followed since at least 2004:
//   한식 (寒食)   동지 of the year before + 105 days
//   초복, 중복    the third and the fourth 경일 (庚日) counted from 하지, 하지
//                itself counted when it is a 경일
//   말복         the first 경일 on or after 입추
//   정월대보름, 단오, 칠석   lunar 1.15, 5.5 and 7.7 in Korea's almanac
// (토왕용사, the four moments of the Sun, is in towang_yongsa.h.)

enum class SundryDayKind { Daeboreum, Hansik, Dano, Chobok, Jungbok, Chilseok, Malbok };

struct SundryDay {
    GregorianDate date;
    SundryDayKind kind;
};

inline constexpr std::int32_t kFirstSundryYear = 1901;  // 한식 needs the 동지 before, known from 1900
inline constexpr std::int32_t kLastSundryYear = 2100;

// The Korean name (UTF-8): "정월대보름", "한식", "단오", "초복", "중복", "칠석", "말복".
const char* SundryDayName(SundryDayKind kind);

// The 잡절 of a year in date order (two on one day in the order above);
// false, and nothing, outside 1901..2100.
bool GetSundryDays(std::int32_t year, std::vector<SundryDay>& days);
