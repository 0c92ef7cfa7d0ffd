#!/usr/bin/env node
// Writes the Korean almanac table (lunar years 1391-2050) as C++.
//
// Source: the calendar that the Korea Astronomy and Space Science Institute
// (KASI) publishes, as two MIT-licensed npm packages carry it:
//   korean-lunar-calendar 0.4.0  lunar years 1000-2050 (KASI's range is 1391 on)
//   kor-lunar 1.4.0              lunar years 1890-2050
// Their licence notices are in licenses/ at the top of the repository.
//
// Usage: npm ci && node generate.js ../../engine/korean_almanac_table.h
//
// Every month start and length is read through each package's public
// conversions, the two are compared wherever both cover, and the packed table
// is decoded again and compared day by day with korean-lunar-calendar over its
// whole range. Any disagreement stops the generator.

'use strict';
const fs = require('fs');
const KoreanLunarCalendar = require('korean-lunar-calendar');
const korLunar = require('kor-lunar');

const FIRST_YEAR = 1391;
const LAST_YEAR = 2050;
const KOR_LUNAR_FIRST_YEAR = 1890;
// Both packages convert solar dates up to 2050-12-31 (lunar 2050-11-18); the
// lengths of lunar 2050's months 11 and 12 come from their month-length data.
const LAST_SOLAR = { year: 2050, month: 12, day: 31 };

function fail(message) {
  console.error(`generate.js: ${message}`);
  process.exit(1);
}

function isGregorianLeap(year) {
  return (year % 4 === 0 && year % 100 !== 0) || year % 400 === 0;
}

// Days from 0001-01-01 in the proleptic Gregorian calendar (0 for that day).
function dayCount(year, month, day) {
  const y = month <= 2 ? year - 1 : year;
  const era = Math.floor(y / 400);
  const yoe = y - era * 400;
  const mp = (month + 9) % 12;
  const doy = Math.floor((153 * mp + 2) / 5) + day - 1;
  const doe = yoe * 365 + Math.floor(yoe / 4) - Math.floor(yoe / 100) + doy;
  return era * 146097 + doe - 306;
}

function dateOf(count) {
  const z = count + 306;
  const era = Math.floor(z / 146097);
  const doe = z - era * 146097;
  const yoe = Math.floor((doe - Math.floor(doe / 1460) + Math.floor(doe / 36524) - Math.floor(doe / 146096)) / 365);
  const doy = doe - (365 * yoe + Math.floor(yoe / 4) - Math.floor(yoe / 100));
  const mp = Math.floor((5 * doy + 2) / 153);
  const day = doy - Math.floor((153 * mp + 2) / 5) + 1;
  const month = mp < 10 ? mp + 3 : mp - 9;
  return { year: yoe + era * 400 + (month <= 2 ? 1 : 0), month, day };
}

if (dayCount(1, 1, 1) !== 0 || dayCount(1900, 1, 31) !== 693625) fail('day count self-check');

const klc = new KoreanLunarCalendar();

// korean-lunar-calendar labels its solar dates in the proleptic Gregorian
// calendar: it has a 29 February exactly in the Gregorian leap years, also
// before 1582 (1500 is no leap year for it), and its days run on through
// October 1582 without the Julian calendar's ten-day jump.
for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
  if (klc.setSolarDate(year, 2, 29) !== isGregorianLeap(year)) fail(`29 February ${year}: not proleptic Gregorian`);
}

function startFromKlc(year, month, leap) {
  if (!klc.setLunarDate(year, month, 1, leap)) return null;
  const s = klc.getSolarCalendar();
  return dayCount(s.year, s.month, s.day);
}

function startFromKorLunar(year, month, leap) {
  const s = korLunar.toSolar(year, month, 1, leap);
  return dayCount(s.year, s.month, s.day);
}

// The months of a lunar year in order: [{month, leap}], the leap month after its namesake.
function monthsOf(leapMonth) {
  const months = [];
  for (let m = 1; m <= 12; ++m) {
    months.push({ month: m, leap: false });
    if (m === leapMonth) months.push({ month: m, leap: true });
  }
  return months;
}

function leapMonthFromKlc(year) {
  const leaps = [];
  for (let m = 1; m <= 12; ++m) if (klc.setLunarDate(year, m, 1, true)) leaps.push(m);
  if (leaps.length > 1) fail(`${year}: more than one leap month`);
  return leaps.length === 1 ? leaps[0] : 0;
}

// The day count of the first day of every month of every year, and one past the end.
function readYears() {
  const years = [];
  for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
    const leapMonth = leapMonthFromKlc(year);
    if (year >= KOR_LUNAR_FIRST_YEAR && korLunar.LunarData.getLeapMonth(year) !== leapMonth) {
      fail(`${year}: leap month ${leapMonth} against kor-lunar's ${korLunar.LunarData.getLeapMonth(year)}`);
    }
    const months = monthsOf(leapMonth).map((m) => ({ ...m, start: startFromKlc(year, m.month, m.leap) }));
    months.forEach((m, j) => {
      // Past the packages' solar range: the month before it, at its recorded length.
      if (m.start === null && year === LAST_YEAR && j > 0) m.start = months[j - 1].start + dataDays(year, months[j - 1]);
    });
    for (const m of months) {
      if (m.start === null) fail(`${year}-${m.month}${m.leap ? ' (leap)' : ''}: no start`);
      if (m.start > dayCount(LAST_SOLAR.year, LAST_SOLAR.month, LAST_SOLAR.day)) continue;
      if (year >= KOR_LUNAR_FIRST_YEAR && startFromKorLunar(year, m.month, m.leap) !== m.start) {
        fail(`${year}-${m.month}${m.leap ? ' (leap)' : ''}: the packages disagree on its first day`);
      }
    }
    years.push({ year, leapMonth, months });
  }
  return years;
}

// A month's length as both packages record it (they must agree).
function dataDays(year, m) {
  const fromKlc = klc.getLunarMonthDays(year, m.month, m.leap);
  const fromKorLunar = m.leap ? korLunar.LunarData.getLeapMonthDays(year, m.month) : korLunar.LunarData.getMonthDays(year, m.month);
  if (fromKlc !== fromKorLunar) fail(`${year}-${m.month}: the packages disagree on its length`);
  return fromKlc;
}

// Month lengths: to the next month's start; the last month of lunar 2050 from both packages' month data.
function addLengths(years) {
  years.forEach((y, i) => {
    y.months.forEach((m, j) => {
      const next = j + 1 < y.months.length ? y.months[j + 1].start : i + 1 < years.length ? years[i + 1].months[0].start : null;
      m.days = next !== null ? next - m.start : dataDays(y.year, m);
    });
    // A month that starts within the solar range must also end where the next one starts by both packages' data.
    for (const m of y.months) {
      if (m.days !== 29 && m.days !== 30) fail(`${y.year}-${m.month}: ${m.days} days`);
      if (y.year >= KOR_LUNAR_FIRST_YEAR) {
        const korDays = m.leap ? korLunar.LunarData.getLeapMonthDays(y.year, m.month) : korLunar.LunarData.getMonthDays(y.year, m.month);
        if (korDays !== m.days) fail(`${y.year}-${m.month}: kor-lunar gives ${korDays} days, the month starts give ${m.days}`);
      }
    }
  });
}

// One word a year, in the layout of the classic table: bits 0-3 the leap
// month, bit 16 - m set for a 30-day month m, bit 16 set for a 30-day leap month.
function packYear(y) {
  let word = y.leapMonth;
  for (const m of y.months) {
    if (m.days !== 30) continue;
    word |= m.leap ? 0x10000 : 0x10000 >>> m.month;
  }
  return word >>> 0;
}

// Decodes the words again and compares every day with korean-lunar-calendar
// (solar to lunar), and with kor-lunar where it covers.
function checkDayByDay(firstDay, words) {
  let count = firstDay;
  let checked = 0;
  const last = dayCount(LAST_SOLAR.year, LAST_SOLAR.month, LAST_SOLAR.day);
  words.forEach((word, i) => {
    const year = FIRST_YEAR + i;
    for (const m of monthsOf(word & 0xf)) {
      const days = (m.leap ? word & 0x10000 : word & (0x10000 >>> m.month)) !== 0 ? 30 : 29;
      for (let d = 1; d <= days; ++d, ++count) {
        if (count > last) continue;
        const s = dateOf(count);
        // korean-lunar-calendar refuses 1582-10-05..14, which the Julian calendar skipped.
        const skipped = s.year === 1582 && s.month === 10 && s.day > 4 && s.day < 15;
        if (!skipped) {
          if (!klc.setSolarDate(s.year, s.month, s.day)) fail(`${s.year}-${s.month}-${s.day}: refused`);
          const l = klc.getLunarCalendar();
          if (l.year !== year || l.month !== m.month || l.day !== d || l.intercalation !== m.leap) {
            fail(`${s.year}-${s.month}-${s.day}: table ${year}-${m.month}-${d}, korean-lunar-calendar ${JSON.stringify(l)}`);
          }
        }
        if (s.year > KOR_LUNAR_FIRST_YEAR || (s.year === KOR_LUNAR_FIRST_YEAR && s.month > 1) ||
            (s.year === KOR_LUNAR_FIRST_YEAR && s.day >= 21)) {
          const k = korLunar.toLunar(s.year, s.month, s.day);
          if (k.year !== year || k.month !== m.month || k.day !== d || k.isLeapMonth !== m.leap) {
            fail(`${s.year}-${s.month}-${s.day}: table ${year}-${m.month}-${d}, kor-lunar ${JSON.stringify(k)}`);
          }
        }
        ++checked;
      }
    }
  });
  return checked;
}

function hex(word) {
  return `0x${word.toString(16).toUpperCase().padStart(5, '0')}`;
}

function writeSource(path, firstDay, words) {
  const first = dateOf(firstDay);
  const iso = `${String(first.year).padStart(4, '0')}-${String(first.month).padStart(2, '0')}-${String(first.day).padStart(2, '0')}`;
  const rows = [];
  for (let i = 0; i < words.length; i += 10) {
    const row = words.slice(i, i + 10).map(hex).join(', ');
    rows.push(`    ${row},  // ${FIRST_YEAR + i}`);
  }
  const text = `// Generated by tools/korean-almanac/generate.js; do not edit.
//
// Korea's lunar calendar, lunar years ${FIRST_YEAR} to ${LAST_YEAR}, as the Korea Astronomy and
// Space Science Institute (KASI) publishes it, read from the npm packages
// korean-lunar-calendar 0.4.0 and kor-lunar 1.4.0 (MIT; notices in licenses/).
// The two agree on every month from 1890 on; the months of lunar 2050 after
// 2050-12-31, where both packages stop converting, come from their month
// lengths. Solar dates are proleptic Gregorian.
//
// To regenerate: cd tools/korean-almanac && npm ci && npm run generate
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::int32_t kKoreanTableFirstYear = ${FIRST_YEAR};
inline constexpr std::int32_t kKoreanTableLastYear = ${LAST_YEAR};

// Day count (days from 0001-01-01) of lunar ${FIRST_YEAR}-01-01, which is ${iso}.
inline constexpr std::int32_t kKoreanTableFirstDay = ${firstDay};

// One word a lunar year from ${FIRST_YEAR}, ten to a line, in the layout of the
// classic table: bits 0-3 the leap month (0: none), bit 16 - m set for a
// 30-day month m, bit 16 set for a 30-day leap month.
inline constexpr std::array<std::uint32_t, ${words.length}> kKoreanTableWords = {
${rows.join('\n')}
};
`;
  fs.writeFileSync(path, text);
}

function main() {
  const output = process.argv[2];
  if (!output) fail('usage: node generate.js OUTPUT.h');
  const years = readYears();
  addLengths(years);
  const words = years.map(packYear);
  const firstDay = years[0].months[0].start;
  const checked = checkDayByDay(firstDay, words);
  writeSource(output, firstDay, words);
  console.log(`${words.length} lunar years, ${checked} days checked; wrote ${output}`);
}

main();
