/* libdalcal: Korea's calendar for other programs.
 *
 * Korea's lunar calendar as KASI publishes it (lunar years 1391-2050) and as
 * computed from the Sun and the Moon to 2100, or the classic table of
 * 1900-2049; the 24 solar terms to the minute; Korea's public holidays.
 *
 * Every function returns a dalcal_status (DALCAL_OK, or why not) and writes
 * its results only when it succeeds. Where a function takes a dalcal_error,
 * it may be NULL; given, it receives a one-line English explanation of a
 * failure. No function keeps state between calls, aborts or exits: any
 * thread may call any function with any arguments. Text is UTF-8.
 */
#ifndef DALCAL_DALCAL_H
#define DALCAL_DALCAL_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum dalcal_status {
    DALCAL_OK = 0,
    DALCAL_E_ARGUMENT = 1, /* a null pointer or an unknown almanac */
    DALCAL_E_NO_DATE = 2,  /* no such date: 2026-02-30, a lunar day 30 of a 29-day month, a leap month the year lacks */
    DALCAL_E_RANGE = 3,    /* outside what is known: years 1-9999, an almanac's lunar years, holidays 2014-2100,
                              solar terms 1900-2100 */
    DALCAL_E_SPACE = 4,    /* the caller's buffer is too small */
    DALCAL_E_FILE = 5,     /* a holidays file that cannot be read */
    DALCAL_E_INTERNAL = 6  /* out of memory, or a fault of the library */
} dalcal_status;

typedef enum dalcal_almanac {
    DALCAL_KOREA = 0,  /* Korea's official calendar: lunar years 1391-2100 */
    DALCAL_CLASSIC = 1 /* the classic table: lunar years 1900-2049, Chinese data */
} dalcal_almanac;

/* A failure explained, one line of English ("Day 30 is not in month 9 of
 * lunar year 2026, which has 29 days"), NUL-terminated. */
typedef struct dalcal_error {
    char message[256];
} dalcal_error;

typedef struct dalcal_date {
    int32_t year;  /* 1..9999, proleptic Gregorian */
    int32_t month; /* 1..12 */
    int32_t day;   /* 1..31 */
} dalcal_date;

typedef struct dalcal_lunar_date {
    int32_t year;
    int32_t month;     /* 1..12; a leap month has the number of the month it follows */
    int32_t day;       /* 1..30 */
    int32_t leap;      /* 1 for a day of a leap month (윤달), else 0 */
    int32_t uncertain; /* out only: 1 where a computed month may begin a day earlier or later */
} dalcal_lunar_date;

/* A position of the sexagenary cycle (간지): stem 0..9 (갑..계), branch 0..11
 * (자..해), and its Korean name ("병오"). */
typedef struct dalcal_stem_branch {
    int32_t stem;
    int32_t branch;
    char name[8];
} dalcal_stem_branch;

/* A minute of a day. */
typedef struct dalcal_moment {
    dalcal_date date;
    int32_t minute_of_day; /* 0..1439 */
} dalcal_moment;

typedef struct dalcal_solar_term {
    int32_t index;       /* 0 소한 .. 23 동지, in the order of the year */
    char name[8];        /* "입춘" */
    dalcal_moment korea; /* Korean civil time, rounded to the minute as KASI rounds */
    dalcal_moment utc;   /* the same moment in UTC */
    int32_t uncertain;   /* 1 within a minute of midnight: the day may be the other one */
} dalcal_solar_term;

/* The lunar date of a Gregorian day. A day outside the almanac: DALCAL_E_RANGE. */
dalcal_status dalcal_to_lunar(int32_t almanac, const dalcal_date* date, dalcal_lunar_date* lunar, dalcal_error* error);

/* The Gregorian day of a lunar date (its leap field says which month; its
 * uncertain field is not read). */
dalcal_status dalcal_to_solar(int32_t almanac, const dalcal_lunar_date* lunar, dalcal_date* date, dalcal_error* error);

/* The stem-branch of a Gregorian day (일진). */
dalcal_status dalcal_day_stem_branch(const dalcal_date* date, dalcal_stem_branch* out, dalcal_error* error);

/* The stem-branch of a lunar year (세차) and of a lunar month (월건, as
 * Korea's almanac names them: month 1 is 인; a leap month carries the month it
 * repeats). */
dalcal_status dalcal_lunar_year_stem_branch(int32_t lunar_year, dalcal_stem_branch* out, dalcal_error* error);
dalcal_status dalcal_lunar_month_stem_branch(int32_t lunar_year, int32_t lunar_month, dalcal_stem_branch* out,
                                             dalcal_error* error);

/* The 24 solar terms of a year (1900-2100), in order. */
dalcal_status dalcal_solar_terms(int32_t year, dalcal_solar_term terms[24], dalcal_error* error);

typedef enum dalcal_holiday_kind {
    DALCAL_HOLIDAY = 0,    /* 공휴일 */
    DALCAL_SUBSTITUTE = 1, /* 대체공휴일 */
    DALCAL_ELECTION = 2,   /* 선거일 */
    DALCAL_DESIGNATED = 3  /* 임시공휴일 */
} dalcal_holiday_kind;

typedef struct dalcal_holiday {
    dalcal_date date;
    int32_t kind;          /* a dalcal_holiday_kind */
    const char* name;      /* "설날"; a substitute day's is its holiday's */
    const char* title;     /* as a calendar titles it: "설날 대체공휴일" */
    const char* kind_name; /* "공휴일", "대체공휴일", "선거일", "임시공휴일" */
    int32_t added;         /* 1 where it came from the holidays file given */
    int32_t scheduled;     /* 1 for a regular election the statute schedules, not yet announced */
} dalcal_holiday;

/* A year's public holidays (2014-2100), in date order, as a list the caller
 * frees with dalcal_holidays_free. holidays_file (NULL: none) names a file of
 * added days, one a line, "YYYY-MM-DD NAME [KIND]"; a line that cannot be read
 * is skipped, a file that cannot be read is DALCAL_E_FILE. */
typedef struct dalcal_holidays dalcal_holidays;
dalcal_status dalcal_holidays_of_year(int32_t year, const char* holidays_file, dalcal_holidays** list,
                                      dalcal_error* error);
size_t dalcal_holidays_count(const dalcal_holidays* list);
/* The holiday at index, NULL past the end; its texts live as long as the list. */
const dalcal_holiday* dalcal_holidays_at(const dalcal_holidays* list, size_t index);
void dalcal_holidays_free(dalcal_holidays* list);

/* A day read whole, as the JSON document of `dalcal-print --json DATE`
 * (RFC 8259, UTF-8), written to buffer with a NUL after it where size allows.
 * *length (if not NULL) receives the document's length without the NUL, also
 * when the buffer is too small (DALCAL_E_SPACE), so that a caller can size it. */
dalcal_status dalcal_reading_json(int32_t almanac, const dalcal_date* date, char* buffer, size_t size, size_t* length,
                                  dalcal_error* error);

/* The one-line description of a status, in English ("no such date"). */
const char* dalcal_status_name(int32_t status);

/* The library's version, "1.1.0". */
const char* dalcal_version(void);

#ifdef __cplusplus
}
#endif

#endif
