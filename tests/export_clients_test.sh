#!/usr/bin/env bash
# dalcal-print's JSON and iCalendar, read by the programs people read them
# with: jq, Python's icalendar, khal and calcurse. Nothing outside a scratch
# folder is touched (khal and calcurse get their own configuration there).
# Usage: export_clients_test.sh PATH/TO/dalcal-print
set -u
program=$1
python=/usr/bin/python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000 HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

# shellcheck source=tests/checks.sh
source "$(dirname "$0")/checks.sh"

# --- JSON through jq
json() {  # json FILTER ARGS...: true when jq -e FILTER holds of dalcal-print --json ARGS
    local filter=$1
    shift
    "$program" --json "$@" | jq -e "$filter" >/dev/null
}
check "date: every key" json 'keys == ["almanac","almanacDays","date","dayStemBranch","events","holidays","lunar","solarTerm","weekday"]' 2027-02-07
check "date: 설날" json '.lunar == {"year":2027,"month":1,"day":1,"leap":false,"yearStemBranch":"정미","monthStemBranch":"임인","uncertain":false} and .holidays == [{"name":"설날","kind":"공휴일","source":"built-in"}]' 2027-02-07
check "date: a leap month keeps the month it repeats" json '.lunar.leap and .lunar.month == 6 and .lunar.monthStemBranch == "계미"' 2025-07-25
check "date: outside the almanac and the holidays, null" json '.lunar == null and .holidays == null and .solarTerm == null' 1300-01-01
check "date: no holiday is an empty array, not null" json '.holidays == []' 2026-07-01
check "date: a solar term" json '.solarTerm == {"name":"입춘","time":"05:02","utc":"2026-02-03T20:02:00Z","uncertain":false,"source":"kasi"}' 2026-02-04
check "date: uncertain month" json '.lunar.uncertain' 2074-08-22
check "date: classic table" json '.almanac == "classic" and .lunar.day == 2' --almanac classic 2027-02-07
check "holidays: a span in date order" json 'length > 30 and (map(.date) == (map(.date) | sort)) and all(.[]; .kind | IN("공휴일","대체공휴일","선거일","임시공휴일"))' --holidays 2026-2027
check "terms: utc read by jq's own date functions" json '.[0].utc | fromdateiso8601 | todate == "2026-01-05T08:23:00Z"' --terms 2026
check "terms: 24 a year" json 'length == 48 and .[0] == {"date":"2026-01-05","name":"소한","time":"17:23","utc":"2026-01-05T08:23:00Z","uncertain":false,"source":"kasi"}' --terms 2026-2027
check "terms: computed where KASI published none" json 'all(.[]; .source == "computed")' --terms 2028
check "date: 2027's 말복 (KASI's service: 09-09), typed, with KASI's dateKind" json '.almanacDays == [{"name":"말복","type":"sundry","dateKind":"04","time":null}]' 2027-08-09
check "date: --hide anniversaries leaves 어버이날 out" json '.almanacDays == []' 2027-05-08 --hide anniversaries
check "days: every kind of May 2027, 어버이날 and 스승의 날 among them" json '[.[] | select(.date | startswith("2027-05"))] as $may | ($may | map(.type) | unique) == ["anniversary","holiday","solarTerm"] and ($may | any(.name == "어버이날" and .dateKind == "02")) and ($may | any(.name == "스승의 날" and .date == "2027-05-15"))' --days 2027
check "days: 토왕용사 among the terms, with its time" json '[.[] | select(.name == "토왕용사")] | length == 4 and all(.[]; .type == "sundry" and .time != null)' --days 2027
check "days: --show holidays alone" json 'length > 0 and all(.[]; .type == "holiday" and .dateKind == "01")' --days 2027 --hide all --show holidays
check "from-lunar: the day object" json '.date == "2027-02-07"' --from-lunar 2027 1 1
check "a month: every day, each as the date's own reading" \
    test "$("$program" --json 2027 2 | jq -c '.[6]')" = "$("$program" --json 2027-02-07 | jq -c .)"
check "a year: 365 days in order" json 'length == 365 and .[0].date == "2027-01-01" and .[364].date == "2027-12-31"' 2027
check "upcoming: by days left, each typed" json 'length > 20 and (map(.daysLeft) == (map(.daysLeft) | sort)) and (map(.type) | unique) == ["anniversary","event","holiday","solarTerm","sundry"] and all(.[]; keys == ["date","dateKind","daysLeft","kind","moved","name","time","type","weekday"])' --upcoming 400 --events-file <(printf '양력 1-1 새해\n')
check "from-lunar --years: null where the year lacks it" json 'map(.date == null) == [true, false]' --from-lunar 1 30 --years 2024-2025

events=$work/events
printf '%s\n' '음력 3-15 어머니 생신' '음력 12-30 할아버지 기일 #: 종류=기일 시작=1998 알림=3' '양력 2-29 윤일 생일' '2027-03-04 이사, 새 집' >"$events"
check "events: by date, each with its rule, kind, years and reminder" json 'length == 7 and (map(.date) == (map(.date) | sort)) and .[0] == {"date":"2026-02-16","name":"할아버지 기일","moved":true,"rule":"lunar","kind":"기일","years":27,"remind":3}' --events 2026-2027 --events-file "$events"
check "date: its events" json '.events == [{"name":"이사, 새 집","moved":false,"rule":"once","kind":"기타","years":null,"remind":null}]' 2027-03-04 --events-file "$events"

# --- iCalendar: the same text every run, lines within 75 octets, UTF-8 throughout
"$program" --ics --holidays 2026-2027 >"$work/holidays.ics"
"$program" --ics --terms 2026 >"$work/terms.ics"
"$program" --ics --events 2026-2027 --events-file "$events" >"$work/events.ics"
"$program" --ics --holidays --terms --events 2026 --events-file "$events" >"$work/mixed.ics"
"$program" --ics --days 2026 --events-file "$events" --show anniversaries >"$work/days.ics"
summary=$'어머니 생신, 제사; a\\b'
"$program" --ics --from-lunar 3 15 --years 2026-2030 --summary "$summary" >"$work/birthday.ics"
"$program" --ics --from-lunar 3 15 --years 2026-2027 --summary $'two\nlines\nSUMMARY:injected' >"$work/newline.ics"
check "ics: --days leaves the 기념일 out unless chosen, as a text list does" \
    test -z "$("$program" --ics --days 2026 | grep -a 'CATEGORIES:기념일')"
check "ics: the same bytes every run" cmp -s "$work/holidays.ics" <("$program" --ics --holidays 2026-2027)
check "ics: CRLF line ends, at most 75 octets" \
    test -z "$(LC_ALL=C awk '!/\r$/ || length($0) > 76' "$work/holidays.ics" "$work/birthday.ics")"

# Python's icalendar: events, UIDs, texts as given.
check "icalendar: parses, and agrees with the JSON" "$python" - "$work" "$summary" <<'PY'
import json, subprocess, sys
import icalendar
work, summary = sys.argv[1], sys.argv[2]
def events(name):
    cal = icalendar.Calendar.from_ical(open(f"{work}/{name}", "rb").read())
    return cal, list(cal.walk("VEVENT"))
cal, holidays = events("holidays.ics")
assert cal["VERSION"] == "2.0" and cal["CALSCALE"] == "GREGORIAN" and cal["METHOD"] == "PUBLISH"
assert len({str(e["UID"]) for e in holidays}) == len(holidays)
program = sys.argv[0]
_, terms = events("terms.ics")
import datetime
assert len(terms) == 24 and all(e.get("DTEND") is None and e["DURATION"].dt == datetime.timedelta(seconds=1)
                                and e["DTSTART"].dt.tzinfo is not None for e in terms)
_, birthdays = events("birthday.ics")
assert [str(e["SUMMARY"]) for e in birthdays] == [summary] * 5
assert [e["DTSTART"].dt.isoformat() for e in birthdays][:2] == ["2026-05-01", "2027-04-21"]
_, newline = events("newline.ics")
assert [str(e["SUMMARY"]) for e in newline] == ["two\nlines\nSUMMARY:injected"] * 2
for e in holidays:
    assert (e["DTEND"].dt - e["DTSTART"].dt).days == 1 and str(e["TRANSP"]) == "TRANSPARENT"
substitutes = {e["DTSTART"].dt.isoformat(): str(e["SUMMARY"]) for e in holidays if str(e["CATEGORIES"].cats[0]) == "대체공휴일"}
assert substitutes["2027-02-09"] == "설날 대체공휴일", substitutes
# One file of all three: the same events, UIDs and all, as the three files.
_, mixed = events("mixed.ics")
_, mine = events("events.ics")
separate = {str(e["UID"]) for e in holidays + terms + mine if e["DTSTART"].dt.year == 2026}
assert {str(e["UID"]) for e in mixed} == separate, len(mixed)
_, mine = events("events.ics")
assert len(mine) == 7 and len({str(e["UID"]) for e in mine}) == 7
assert "이사, 새 집" in [str(e["SUMMARY"]) for e in mine]
assert all((e["DTEND"].dt - e["DTSTART"].dt).days == 1 for e in mine)
# --days: every kind, each under its category; the holidays, terms and events
# the same events, UIDs and all, as the separate files make.
_, days = events("days.ics")
by_category = {}
for e in days:
    by_category.setdefault(str(e["CATEGORIES"].cats[0]), []).append(e)
assert {"기념일", "잡절", "절기", "공휴일", "내 날짜"} <= set(by_category), sorted(by_category)
assert "2026-07-15" in [e["DTSTART"].dt.isoformat() for e in by_category["잡절"] if str(e["SUMMARY"]) == "초복"]
assert len(by_category["잡절"]) == 7 + 4 and len(by_category["기념일"]) > 80
assert len({str(e["UID"]) for e in days}) == len(days)
assert separate <= {str(e["UID"]) for e in days}
PY
pairs() {  # the JSON's "date name" pairs, sorted; a substitute day titled as the views title it, an event's years counted
    "$program" --json "$@" | jq -r '.[] | "\(.date) \(.name)\(if .kind == "대체공휴일" then " 대체공휴일" else "" end)\(
        if .years == null then "" elif .kind == "생일" then " (만 \(.years)세)" elif .kind == "기일" then " (\(.years)주기)"
        else " (\(.years)주년)" end)"' | sort
}

# khal: imports every event, lists them as the JSON has them, and a second
# import of the same file updates instead of doubling.
mkdir -p "$work/khal/calendar"
cat >"$work/khal/config" <<KHAL
[calendars]
[[dalcal]]
path = $work/khal/calendar
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = UTC
default_timezone = UTC
[sqlite]
path = $work/khal/khal.db
KHAL
khal_list() {
    khal -c "$work/khal/config" list --format "{start-date} {title}" --day-format "" 2026-01-01 2027-12-31 | sort
}
khal -c "$work/khal/config" import --batch -a dalcal "$work/holidays.ics" >/dev/null 2>&1
check "khal: lists the holidays as the JSON has them" cmp -s <(khal_list) <(pairs --holidays 2026-2027)
khal -c "$work/khal/config" import --batch -a dalcal <("$program" --ics --holidays 2026-2027) >/dev/null 2>&1
check "khal: a second import doubles nothing" cmp -s <(khal_list) <(pairs --holidays 2026-2027)
khal -c "$work/khal/config" import --batch -a dalcal "$work/events.ics" >/dev/null 2>&1
check "khal: the user's events as the JSON has them" \
    cmp -s <(khal_list) <( (pairs --holidays 2026-2027; pairs --events 2026-2027 --events-file "$events") | sort)

# A solar term is a moment to both: khal starts and ends it at its minute,
# calcurse too.
khal -c "$work/khal/config" import --batch -a dalcal "$work/terms.ics" >/dev/null 2>&1
check "khal: 입춘 a moment" test "$(khal -c "$work/khal/config" list --format "{start} {end} {title}" --day-format "" 2026-02-03 2026-02-04)" = "2026-02-03 20:02 2026-02-03 20:02 입춘"
calcurse -D "$work/calcurse-terms" -i "$work/terms.ics" >/dev/null 2>&1
check "calcurse: 입춘 a moment" grep -qx "02/03/2026 @ 20:02 -> 02/03/2026 @ 20:02>[0-9a-f]* |입춘" "$work/calcurse-terms/apts"

# calcurse: nothing skipped (a summary with commas, semicolons and a backslash
# included; calcurse keeps no line break in a summary, so that one is Python's).
for file in holidays terms birthday events mixed; do
    report=$(calcurse -D "$work/calcurse" -i "$work/$file.ics" 2>&1)
    check "calcurse: $file, nothing skipped" grep -q " 0 skipped" <<<"$report"
done
# calcurse imports a file again whole: the mixed one adds 2026's 22
# holidays, 24 terms and 3 events once more.
check "calcurse: 46 holidays, 24 terms, 5 birthdays, 7 events, and the mixed file again" \
    test "$(cat "$work/calcurse/apts" | wc -l)" -eq $((46 + 24 + 5 + 7 + 22 + 24 + 3))

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
