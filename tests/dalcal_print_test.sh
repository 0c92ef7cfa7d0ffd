#!/usr/bin/env bash
# dalcal-print end to end: output, encodings, exit statuses and messages.
# Usage: dalcal_print_test.sh PATH/TO/dalcal-print GOLDEN_DIR
set -u
program=$1
golden=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The user's files are looked for here, never in the real home.
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/dalcal" "$HOME"
# Messages in English, whatever the tester's language (tests/messages_test.sh tries Korean).
export LC_ALL=C.UTF-8
unset LANGUAGE
# Some runs draw a page: under LeakSanitizer fontconfig's font lists, kept to
# the end on purpose, are not ours (as in page_test.sh).
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/drawing-libraries.lsan:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# shellcheck source=tests/checks.sh
source "$(dirname "$0")/checks.sh"

run --layout window --almanac classic 2026 7
check "UTF-8 July 2026 matches the golden text" cmp -s "$work/out" "$golden/2026-07.txt"
check "UTF-8 July 2026 exits 0" test "$status" -eq 0
check "UTF-8 July 2026 writes nothing to stderr" test ! -s "$work/err"

run --layout=window --almanac=classic --encoding cp949 2026 7
check "CP949 July 2026 exits 0" test "$status" -eq 0
check "CP949 July 2026 is the golden text in CP949" \
    cmp -s <(iconv -f UTF-8 -t CP949 "$golden/2026-07.txt") "$work/out"
lengths=$(LC_ALL=C awk '{ printf "%d ", length($0) }' "$work/out")
check "CP949 July 2026 line lengths in bytes" test "$lengths" = "36 58 52 84 105 105 105 90 "

run --layout window --almanac classic --encoding=CP949 2026 07
check "--encoding=CP949 and month 07" cmp -s <(iconv -f UTF-8 -t CP949 "$golden/2026-07.txt") "$work/out"

run
this_month=$(date +'%Y년 %-m월')
check "no arguments: exits 0" test "$status" -eq 0
check "no arguments: prints this month" grep -q "$this_month" "$work/out"
check "no arguments: a whole calendar" test "$(wc -l <"$work/out")" -ge 7

run --help
check "--help exits 0 and explains usage" test "$status" -eq 0
check "--help text" grep -q "Usage: dalcal-print" "$work/out"

# Output that cannot be written (a full disk) is status 1 with a message, for every kind of output.
for args in "--help" "--version" "2026 7" "--holidays 2026" "--from-lunar 2027 1 1"; do
    # shellcheck disable=SC2086 # the words of args are the arguments
    "$program" $args >/dev/full 2>"$work/err"
    status=$?
    check "$args to a full disk: status 1" test "$status" -eq 1
    check "$args to a full disk: says so" grep -q "dalcal-print: write error: " "$work/err"
done

# Usage errors: status 2, a message naming the problem, nothing printed.
usage_error() {  # usage_error NAME PATTERN ARGS...
    local name=$1 pattern=$2
    shift 2
    run "$@"
    check "$name: status 2" test "$status" -eq 2
    check "$name: stdout empty" test ! -s "$work/out"
    check "$name: message" grep -q -- "$pattern" "$work/err"
}
run 2026 7 1
check "three numbers: a day" grep -q "^2026-07-01 수요일 " "$work/out"
usage_error "four arguments" "got 4 argument" 2026 7 1 1
usage_error "unknown option" "unknown option '--year'" --year 2026 7
usage_error "unknown encoding" "unknown encoding 'latin1'" --encoding latin1 2026 7
usage_error "encoding without value" "needs a value" --encoding
usage_error "unknown almanac" "unknown almanac 'china'" --almanac china 2026 7
usage_error "almanac without value" "--almanac needs a value" --almanac
usage_error "--years= without value" "--years needs a value" --from-lunar 1 1 --years=
usage_error "--leap alone" "--leap needs --from-lunar" --leap 2026 7
usage_error "--from-lunar with four numbers" "expects YEAR MONTH DAY, but got 4" --from-lunar 2027 1 1 1

# Korea's almanac is the default; the classic table on request.
run --layout window 2027 2
check "Korea: 설날 2027 on 02-07" grep -q " 6(병진)12.30|  7(정사) 1. 1|" <(tr -d '\n' <"$work/out")
run --layout window --almanac classic 2027 2
check "classic: 설날 2027 on 02-06" grep -q " 6(병진) 1. 1| " "$work/out"
run --layout window 2076 3
check "Korea after 2050: lunar dates shown" grep -q " 1(.*) *[0-9]*\. *[0-9]*|" "$work/out"
run --layout window 1391 2
check "Korea before its first day: blank lunar part" grep -q "12(무자)     | 13(기축) 1. 1|" <(tr -d '\n' <"$work/out")

# --from-lunar: the Gregorian day of a lunar date.
run --from-lunar 2027 1 1
check "--from-lunar 설날 2027" test "$(cat "$work/out")" = "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 (공휴일)"
check "--from-lunar exits 0" test "$status" -eq 0
run --almanac classic --from-lunar 2027 1 1
check "--from-lunar classic" test "$(cat "$work/out")" = "2027-02-06 토요일 병진일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 전날 (공휴일)"
run --from-lunar 2025 6 1 --leap
check "--from-lunar leap month" test "$(cat "$work/out")" = "2025-07-25 금요일 을미일 · 음력 2025년 윤6월 1일 (을사년 계미월)"
run --from-lunar 2074 7 1
check "--from-lunar uncertain month marked" test "$(cat "$work/out")" = "2074-08-22 수요일 경진일 · 음력 2074년 7월 1일 (갑오년 임신월) (±1일)"
run --encoding cp949 --from-lunar 2027 1 1
check "--from-lunar in CP949" cmp -s "$work/out" <(echo "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 (공휴일)" | iconv -f UTF-8 -t CP949)

refused() {  # refused NAME PATTERN ARGS...: status 1, nothing on stdout, the reason on stderr
    local name=$1 pattern=$2
    shift 2
    run "$@"
    check "$name: status 1" test "$status" -eq 1
    check "$name: stdout empty" test ! -s "$work/out"
    check "$name: says why" grep -q -- "$pattern" "$work/err"
}
refused "no such leap month" "Lunar year 2026 has no leap month 1" --from-lunar 2026 1 1 --leap
refused "day 30 of a 29-day month" "Day 30 is not in month 9 of lunar year 2026, which has 29 days" --from-lunar 2026 9 30
refused "month 13" "Lunar month 13 is not a month" --from-lunar 2026 13 1
refused "year before Korea's almanac" "Lunar year 1390 is outside Korea's almanac (1391-2100)" --from-lunar 1390 1 1
refused "year after the classic table" "outside the classic table (1900-2049)" --almanac classic --from-lunar 2050 1 1
refused "lunar day not a number" 'DAY: "x" is not a number' --from-lunar 2027 1 x

# Refused input: status 1, the bad argument named; lines already written stay.
run x 7
check "bad year: status 1" test "$status" -eq 1
check "bad year: nothing printed" test ! -s "$work/out"
check "bad year: message" grep -q 'YEAR: "x" is not a number' "$work/err"

run 2026 7월x
check "bad month: status 1" test "$status" -eq 1
check "bad month: message quotes the text" grep -q 'MONTH: "7월x" is not a number' "$work/err"

run 2026 99999999999
check "month out of 32-bit range: status 1" test "$status" -eq 1
check "month out of 32-bit range: message" grep -qx 'dalcal-print: MONTH: "99999999999" is out of range' "$work/err"

run --layout window 2026 13
check "month 13: status 1" test "$status" -eq 1
check "month 13: the three header lines stay" test "$(wc -l <"$work/out")" -eq 3
check "month 13: header" grep -q "2026년 13월" "$work/out"
check "month 13: error message" grep -q "2026-13-01 is not a date: there is no month 13" "$work/err"

run --layout window -- -5 1
check "negative year after --: status 1 with header" test "$status" -eq 1 -a "$(wc -l <"$work/out")" -eq 3

# The terminal's layout: within 80 columns, each day under its weekday, for
# every month of years at the almanacs' edges, in both almanacs.
for almanac in korea classic; do
    for year in 1 1391 1899 1900 2025 2027 2050 2051 2100 9999; do
        run --almanac "$almanac" "$year"
        check "terminal layout $almanac $year: exits 0" test "$status" -eq 0
        check "terminal layout $almanac $year: aligned, within 80 columns" \
            /usr/bin/python3 "$(dirname "$0")/terminal_layout_check.py" "$year" <"$work/out"
    done
done
# The compact layout: a year's months side by side, or a month alone, each
# day under its weekday with its lunar day under it, within the width.
for almanac in korea classic; do
    for year in 1 1391 2025 2027 2033 2100 9999; do
        for columns in 80 40; do
            COLUMNS=$columns run --almanac "$almanac" --layout compact "$year"
            check "compact year $almanac $year in $columns: aligned" \
                /usr/bin/python3 "$(dirname "$0")/compact_layout_check.py" "$year" "$columns" <"$work/out"
        done
        for month in $(seq 1 12); do COLUMNS=40 "$program" --almanac "$almanac" "$year" "$month"; done >"$work/out"
        check "compact months $almanac $year: aligned within 40" \
            /usr/bin/python3 "$(dirname "$0")/compact_layout_check.py" "$year" 40 <"$work/out"
    done
done
run --layout compact 2027
check "compact year: within about 70 lines" test "$(wc -l <"$work/out")" -le 76
check "compact year: the holidays below, two to a line" grep -qx " 2월  7일(일) 설날                       2월  8일(월) 설날 다음날" "$work/out"
COLUMNS=65 run --layout compact 2027
check "compact year: two holidays a line where they fill it exactly" \
    grep -qx " 2월  7일(일) 설날                       2월  8일(월) 설날 다음날" "$work/out"
COLUMNS=64 run --layout compact 2027
check "compact year: one a line a column narrower" grep -qx " 2월  7일(일) 설날" "$work/out"
run 2027
check "a year onto a pipe: twelve full months, as before" test "$(grep -c "^일         월" "$work/out")" -eq 12
COLUMNS=100 run 2027 2
check "a month where 77 columns fit: the full layout" grep -q "^ 7 정사 " "$work/out"
COLUMNS=60 run 2025 7
check "a month narrower than 77: compact" test "$(sed -n 3p "$work/out")" = "-----------------------------------"
check "compact month: the leap month's first day" grep -qx "   26   27   28   29   30  윤6    2" "$work/out"
printf '양력 2-10 아주 긴 이름의 일정 하나 그리고 둘 그리고 셋\n' >"$work/long-events"
COLUMNS=60 run --events-file "$work/long-events" 2027 2
check "compact month: a long note continued within 40" test "$(grep -A1 "아주" "$work/out")" = " 2월 10일(수) 아주 긴 이름의 일정 하나
          그리고 둘 그리고 셋"
# What may be a day off is marked where it shows: the month's header, a
# term below it, an added holiday beside a built-in one on its day.
run 2074 8
check "terminal header: an uncertain month marked" grep -qx "음력 갑오년 윤6월(신미) · 7월(임신) (±1일)" "$work/out"
run 1927 3
check "month notes: a term within a minute of midnight marked" grep -qx " 3월 21일(월) 춘분 23:59 (±1일)" "$work/out"
run 2025 7
check "terminal layout: a leap month marked on its days" grep -q "   윤6월      윤6.2" "$work/out"
check "terminal layout: the lunar months and their 월건" grep -qx "음력 을사년 6월(계미) · 윤6월(계미)" "$work/out"
run 1391 1
check "terminal layout: outside the almanac, why" grep -qx "한국천문연구원 역법의 음력은 1391-02-13부터 2101-01-28까지만 있음" "$work/out"
for args in "2026 13" "2026 0" "10000 1" "0 1" "-- -5 1"; do
    # shellcheck disable=SC2086 # the words of args are the arguments
    run $args
    check "terminal layout refuses $args before printing" test "$status" -eq 1 -a ! -s "$work/out"
done
check "terminal layout: the wrong value named" grep -q -- "-5-01 is not a month: the years are 1-9999" "$work/err"
run 2026 13
check "terminal layout: month 13 named, no day 1" grep -qx "dalcal-print: 2026-13 is not a month: there is no month 13" "$work/err"

# Input as people type it: 년, 월 and 일 after numbers, full-width digits, any
# dash in a span; options with their value after '='; the first wrong
# argument named; what was typed quoted as typed.
run 2027년 2월
check "typed: 2027년 2월" test "$status" -eq 0 -a "$(head -1 "$work/out")" = "2027년 2월"
run ２０２７ ２
check "typed: full-width digits" test "$status" -eq 0 -a "$(head -1 "$work/out")" = "2027년 2월"
run --from-lunar 2027년 1월 1일
check "typed: --from-lunar 2027년 1월 1일" grep -q "^2027-02-07 일요일" "$work/out"
run ２０２７－０２－０７
check "typed: a full-width date" grep -q "^2027-02-07 일요일" "$work/out"
# Every form the month view's box takes, as one argument or several: what
# each asks for, by the first line's first words.
while IFS='|' read -r expected args; do
    IFS=';' read -ra words <<<"$args"
    run "${words[@]}"
    check "typed: ${args//;/ }" test "$status" -eq 0 -a "$(head -1 "$work/out" | cut -d' ' -f1-2)" = "$expected"
done <<'ROWS'
2027년 2월|2027년 2월
2027년 2월|2027년2월
2027년 2월|2027-02
2027년 2월|2027.2
2027년 2월|２０２７년 ２월
2027-02-07 일요일|2027년 2월 7일
2027-02-07 일요일|2027.2.7
2027-02-07 일요일|음력 2027년 1월 1일
2025-07-25 금요일|음력 2025년 윤6월 1일
2027-02-07 일요일|--from-lunar;2027년 1월 1일
2027-02-07 일요일|--from-lunar;2027-01-01
2027-02-07 일요일|--from-lunar;2027;1월;1일
2025-07-25 금요일|--from-lunar;2025;윤6;1
2025-07-25 금요일|--from-lunar;2025 윤6월 1일
2025-07-25 금요일|--from-lunar;--leap;2025-06-01
2025-07-25 금요일|--from-lunar;윤6월 1일;--years;2025
2026-05-01 금요일|--from-lunar;3-15;--years;2026
ROWS
run --json "2027년 2월 7일"
check "typed: --json of a day typed in words" grep -q '^{"date":"2027-02-07"' "$work/out"
run --pdf "2027년 2월"
check "typed: a page of a month typed in words" test "$status" -eq 0 -a "$(head -c 5 "$work/out")" = "%PDF-"
refused "a negative lunar month, not a dash" "Lunar month -1 is not a month" --from-lunar 2027 -1 1
run --from-lunar 2027년 1월 x일
check "typed: a lunar date's wrong part named" grep -qx 'dalcal-print: DAY: "x일" is not a number' "$work/err"
# Years before 1000 written as ISO 8601 writes them, however they were typed.
for typed in 999-1-1 0999-01-01; do
    run "$typed"
    check "typed: $typed is 0999-01-01" grep -q "^0999-01-01 화요일 " "$work/out"
    run --json "$typed"
    check "typed: $typed in JSON" grep -q '"date":"0999-01-01"' "$work/out"
done
run 1-1-1
check "typed: 1-1-1 is 0001-01-01" grep -q "^0001-01-01 월요일 " "$work/out"
for dash in – — －; do
    run --from-lunar 1 1 --years "2027${dash}2028"
    check "typed: a span with $dash" test "$status" -eq 0 -a "$(wc -l <"$work/out")" -eq 2
done
run --from-lunar 1 1 --years 2027
check "typed: --years of one year" test "$status" -eq 0 -a "$(wc -l <"$work/out")" -eq 1
for option in --holidays --terms; do
    run "$option=2027"
    check "typed: $option=2027" test "$status" -eq 0 -a -s "$work/out"
done
run --layout=window 2027 2
check "typed: --layout=window" grep -q "▶ 2027년" "$work/out"
# A month or a day without its year is this year's; eight digits, slashes and
# dots make a day; "~" marks a span; month and day either way round are refused.
this_year=$(date +%Y)
run 2월
check "typed: 2월 is this year's February" test "$status" -eq 0 -a "$(head -1 "$work/out")" = "${this_year}년 2월"
run 2월 7일
check "typed: 2월 7일 is this year's" grep -q "^${this_year}-02-07 " "$work/out"
run '음력 1월 1일'
check "typed: 음력 1월 1일 is this year's 설날" grep -q "^${this_year}-0[12]-[0-9][0-9] .*설날" "$work/out"
run --from-lunar 1 1
check "typed: --from-lunar MONTH DAY is this year's" grep -q "^${this_year}-0[12]-" "$work/out"
for typed in 20270207 2027/02/07 2027.2.7; do
    run "$typed"
    check "typed: $typed is a day" grep -q "^2027-02-07 일요일" "$work/out"
done
run --from-lunar 1 1 --years '2026~2027'
check "typed: a span with ~" test "$status" -eq 0 -a "$(wc -l <"$work/out")" -eq 2
refused "month and day either way round" "write 2027-02-07 or 2027-07-02" 02/07/2027
refused "a negative month named as typed" "2027 -1 is not a month: there is no month -1" 2027 -1
run --json --upcoming 2주
check "typed: --upcoming 2주 is fourteen days" test "$status" -eq 0 -a "$(jq 'all(.[]; .type == "reminder" or .daysLeft < 14)' "$work/out")" = true
while IFS='|' read -r word option args; do
    # shellcheck disable=SC2086 # the words are the arguments
    check "--format $word is $option" cmp -s <("$program" --format "$word" $args 2>&1 | grep -v DTSTAMP) \
        <("$program" $option $args 2>&1 | grep -v DTSTAMP)
done <<'ROWS'
json|--json|2027-02-07
ics|--ics|--days 2027
compact|--layout compact|2027 2
ROWS
run abc def
check "typed: the first wrong argument named" grep -qx 'dalcal-print: YEAR: "abc" is not a number' "$work/err"
run --from-lunar 1 1 --years "2027–x"
check "typed: quoted as typed" grep -qx 'dalcal-print: --years: "2027–x" is not a span like 2026-2035' "$work/err"
run $'\xff' 7
check "typed: bytes that are no UTF-8 quoted as U+FFFD" grep -qx 'dalcal-print: YEAR: "�" is not a number' "$work/err"
run $'12\n' 7
check "typed: a control character quoted, the message one line" grep -qx 'dalcal-print: YEAR: "12\\x0A" is not a number' "$work/err"
run --encoding cp949 --from-lunar 1 1 --years "2027–x"
check "typed: a CP949 message is CP949" cmp -s "$work/err" <(echo 'dalcal-print: --years: "2027?x" is not a span like 2026-2035')

# A whole year, month after month, each with its holidays and terms below.
run 2027
check "a year: exits 0" test "$status" -eq 0
check "a year: twelve months" test "$(grep -c '^2027년 [0-9]*월$' "$work/out")" -eq 12
check "a year: December's substitute day" grep -qx "12월 27일(월) 기독탄신일 대체공휴일" "$work/out"
run 2027 2
check "below the month: 설날" grep -qx " 2월  7일(일) 설날" "$work/out"
check "below the month: its substitute day" grep -qx " 2월  9일(화) 설날 대체공휴일" "$work/out"
check "below the month: 입춘 to the minute" grep -qx " 2월  4일(목) 입춘 10:46" "$work/out"
check "below the month: in date order" test "$(sed -n 15p "$work/out")" = " 2월  4일(목) 입춘 10:46"
run --almanac classic 2027 2
check "classic: the grid alone" test "$(wc -l <"$work/out")" -eq 14
run 1990 5
check "holidays not known before 2014: said so" grep -q "공휴일은 2014-2100년만 표시함" "$work/out"

# Colour: never into a pipe; the grid byte for byte the same without its codes.
esc=$(printf '\033')
run 2026 12
plain=$(cat "$work/out")
check "colour: none into a pipe" test "$(grep -c "$esc" "$work/out")" -eq 0
run --color=always 2026 12
check "--color=always: Saturdays blue" grep -q "${esc}\[34m 5 " "$work/out"
check "--color=always: Sundays red" grep -q "${esc}\[31m 6 " "$work/out"
check "--color=always: holidays red" grep -q "${esc}\[31m25 " "$work/out"
check "--color=always: 일 red and 토 blue in the heading" grep -q "^${esc}\[31m일${esc}\[0m .*${esc}\[34m토${esc}\[0m$" "$work/out"
check "--color=always: the same text without its codes" test "$(sed "s/${esc}\[[0-9;]*m//g" "$work/out")" = "$plain"
run --layout window --color=always 2026 12
check "--color=always, window layout: Saturdays blue" grep -q "${esc}\[34m 5(" "$work/out"
run --color=always
check "--color=always: today reversed" grep -q "${esc}\[\([0-9]*;\)\?7m" "$work/out"
run --color=never 2026 12
check "--color=never: no codes" test "$(grep -c "$esc" "$work/out")" -eq 0
if command -v script >/dev/null; then
    script -qec "$program 2026 12" /dev/null >"$work/tty" 2>&1
    check "a terminal: coloured" grep -q "$esc\[31m" "$work/tty"
    NO_COLOR=1 script -qec "$program 2026 12" /dev/null >"$work/tty" 2>&1
    check "a terminal with NO_COLOR: not coloured" test "$(grep -c "$esc\[3" "$work/tty")" -eq 0
fi
usage_error "unknown --color" "unknown --color value 'sometimes'" --color=sometimes 2026 12

# --holidays and --terms: one line each.
run --holidays 2026
check "--holidays: 22 in 2026" test "$(wc -l <"$work/out")" -eq 22
check "--holidays: a substitute day" grep -qx "2026-03-02 월요일 삼일절 (대체공휴일)" "$work/out"
check "--holidays: an election" grep -qx "2026-06-03 수요일 제9회 전국동시지방선거 (선거일)" "$work/out"
# 노동절 and the regular elections the statute schedules, in every text view,
# in JSON and in iCalendar.
for holiday in "2026-05-01 노동절 공휴일" "2027-05-03 노동절 대체공휴일" "2028-04-12 제23대_국회의원선거 선거일" \
    "2030-06-12 제10회_전국동시지방선거 선거일"; do
    read -r day name kind <<<"$holiday"
    name=${name//_/ }
    year=${day%%-*} month=${day:5:2} mark=""
    [[ $kind == 선거일 ]] && mark=", 예정"
    run --holidays "$year"
    check "$day: in --holidays" grep -q "^$day .* $name ($kind$mark)$" "$work/out"
    run "$day"
    check "$day: in its reading" grep -q " · $name ($kind$mark)$" "$work/out"
    run "$year" "$month"
    check "$day: below its month" grep -q "^ *${month#0}월 *$((10#${day:8:2}))일(.) $name" "$work/out"
    run --json "$day"
    check "$day: in JSON" grep -q "\"name\":\"$name\",\"kind\":\"$kind\",\"source\":\"$([[ $kind == 선거일 ]] && echo statute || echo built-in)\"" "$work/out"
    run --ics --holidays "$year"
    check "$day: in iCalendar" grep -q "^DTSTART;VALUE=DATE:${day//-/}" "$work/out"
done
run --holidays 2025
check "--holidays: a designated day, its kind said once" grep -qx "2025-01-27 월요일 설 연휴 임시공휴일" "$work/out"
refused "holidays not known" '"2013" is not within the years 2014-2100 of which Korea'"'"'s public holidays are known' --holidays 2013
usage_error "--holidays with two years" "takes one YEAR or FROM-TO, but got 2" --holidays 2026 2027
usage_error "--holidays and --terms" "choose one of" --holidays --terms 2026
run --terms 2026
check "--terms: 24 lines" test "$(wc -l <"$work/out")" -eq 24
check "--terms: 소한 first" test "$(head -1 "$work/out")" = "2026-01-05 17:23 소한"
check "--terms: 동지 last" test "$(tail -1 "$work/out")" = "2026-12-22 05:50 동지"
refused "terms before 1900" "not within the years 1900-2100" --terms 1899

# --from-lunar MONTH DAY --years: a lunar date every year.
run --from-lunar 1 30 --years 2024-2029
check "--years: one line a year" test "$(wc -l <"$work/out")" -eq 6
check "--years: a year with the day" grep -qx "2025-02-27 목요일 정묘일 · 음력 2025년 1월 30일 (을사년 무인월)" "$work/out"
check "--years: a year without it" grep -qx "2024년 음력 1월 30일 없음 (그해 1월은 29일까지)" "$work/out"
check "--years: exit 0 when a year had it" test "$status" -eq 0
run --from-lunar 6 1 --leap --years 2025-2026
check "--years --leap" test "$(cat "$work/out")" = "$(printf '2025-07-25 금요일 을미일 · 음력 2025년 윤6월 1일 (을사년 계미월)\n2026년 음력 윤6월 1일 없음 (그해 윤달 없음)')"
check "--years: exit 1 when no year had it" test "$(bash -c '"$0" --from-lunar 6 1 --leap --years 2026-2026 >/dev/null 2>&1; echo $?' "$program")" -eq 1
refused "--years backwards" "runs backwards" --from-lunar 1 1 --years 2029-2024
refused "--years outside the almanac" "not within the years 1391-2100" --from-lunar 1 1 --years 1000-2000
refused "--years not a span" '"abc" is not a span' --from-lunar 1 1 --years abc
refused "--years month 13" "lunar month 13 is not 1-12" --from-lunar 13 1 --years 2026-2027
usage_error "--years alone" "--years needs --from-lunar" --years 2024-2029 1 1
run --ics --holidays 2063
check "--ics: two substitute days of one Saturday each named for its own holiday" test \
    "$(tr -d '\r' <"$work/out" | awk '/^DTSTART/ { day = $0 } /^SUMMARY:.*대체/ { print day, $0 }' | grep 2063050)" = \
    "DTSTART;VALUE=DATE:20630507 SUMMARY:부처님오신날 대체공휴일
DTSTART;VALUE=DATE:20630508 SUMMARY:어린이날 대체공휴일"
usage_error "--ics: several lists, not with --from-lunar" "choose one of --holidays" --ics --holidays --from-lunar 1 1 --years 2026-2027
usage_error "several lists without --ics" "choose one of --holidays" --json --holidays --terms 2026
run --terms 2027 --json
check "--terms --json: the year's 24 terms" test "$(jq length "$work/out")" = 24
run --holidays 2026-2027 --ics
check "--ics: the calendar named by its kind and span" grep -qx $'X-WR-CALNAME:대한민국 공휴일 2026-2027\r' "$work/out"
# What's coming: a line a date with the days left; the span checked.
printf '양력 3-3 🎂 민지 αβγ\n' >"$work/upcoming-events"
run --upcoming 400 --events-file "$work/upcoming-events"
check "--upcoming: every line a date, its weekday, what, the days left" \
    test -z "$(grep -Ev '^[0-9]{4}-[0-9]{2}-[0-9]{2} .요일 .+ · (today|tomorrow|in [0-9]+ days)$' "$work/out")" -a -s "$work/out"
check "--upcoming: the user's events too" grep -q " 🎂 민지 αβγ · " "$work/out"
for days in 0 3661 -1 abc; do
    run --upcoming "$days"
    check "--upcoming $days refused" test "$status" -eq 1 -a ! -s "$work/out"
done
usage_error "--upcoming with two numbers" "--upcoming takes one number of DAYS" --upcoming 3 4
refused "--upcoming in words it does not know" "is not a number of days (30, 2주, 3개월, 1년)" --upcoming 2weeks
usage_error "--observe alone" "--observe needs --from-lunar" --observe 2027
run --upcoming 3 --hide all --no-events
check "--upcoming with nothing ahead says so, status 0" test "$status" -eq 0 -a "$(cat "$work/out")" = "nothing in the next 3 days"
usage_error "--no-events with --events" "choose one of --events and --no-events" --events 2026 --no-events
usage_error "--add-event into standard input" "not standard input" --events-file - --add-event "양력 1-1 새해"
printf '음력 1-5 어머니 생신\nbad line\n' | "$program" --events 2027 --events-file - >"$work/out" 2>"$work/err"
check "--events-file -: the events of standard input" grep -q "어머니 생신" "$work/out"
check "--events-file -: its bad line named <stdin>:2" grep -q "^<stdin>:2: " "$work/err"
printf '음력 12-30 할아버지 기일\n' >"$work/moved-events"
run --from-lunar 2025 12 30 --observe --events-file "$work/moved-events"
check "--observe: moved said once where the user's date says it" \
    test "$(grep -o "옮김" "$work/out" | wc -l)" -eq 1 -a "$status" -eq 0
run --svg 2027 5
check "a page with 노동절 cites the amended law" grep -q "노동절은 공휴일에 관한 법률(2026년 개정)" "$work/out"
run --svg 2025 5
check "a page without it does not" test "$(grep -c "공휴일에 관한 법률" "$work/out")" -eq 0

# Every year of a lunar anniversary: a line a year, the date or why there is
# none, and a word on stderr; with --observe the day the events file keeps it,
# checked against the events file over 2006-2035.
run --from-lunar 12 30 --years 2024-2026
check "--years: a line a year" test "$(cut -d' ' -f1 "$work/out" | tr '\n' ' ')" = "2024년 2025년 2027-02-06 "
check "--years: why a year lacks it" grep -qx "2024년 음력 12월 30일 없음 (그해 12월은 29일까지)" "$work/out"
check "--years: stderr counts the years without it" grep -q "음력 12월 30일 is not in 2 of the 3 years; --observe" "$work/err"
"$program" --from-lunar 12 30 --years 2024-2026 >"$work/both" 2>&1
check "--years: the word on stderr after the lines, into one file" \
    test "$(cut -d' ' -f1 "$work/both" | tr '\n' ' ')" = "2024년 2025년 2027-02-06 dalcal-print: "
run --from-lunar 6 1 --leap --years 2027-2028
check "--years: no leap month, another leap month" test "$(cat "$work/out")" = "2027년 음력 윤6월 1일 없음 (그해 윤달 없음)
2028년 음력 윤6월 1일 없음 (그해 윤달은 윤5월)"
check "--years: lacking in every year is status 1" test "$status" -eq 1
for lunar in "12 30" "6 1 --leap" "3 30" "1 1" "4 30 --leap"; do
    read -ra words <<<"$lunar"
    rule="음력 ${words[0]}-${words[1]}"
    test "${words[2]:-}" = --leap && rule="음력 윤${words[0]}-${words[1]}"
    printf '%s 기일\n' "$rule" >"$work/observe-events"
    observed=$("$program" --json --observe --from-lunar "${words[@]}" --years 2006-2035 |
        jq -r '.[].date.date | select(. >= "2007" and . < "2036")')
    listed=$("$program" --json --events-file "$work/observe-events" --events 2007-2035 | jq -r '.[].date')
    check "--observe $lunar: the events file's days 2007-2035" test -n "$observed" -a "$observed" = "$listed"
done
run --observe --from-lunar 12 30 --years 2024-2024
check "--observe: marked as moved" grep -q "^2025-01-28 .* (음력 12월 30일, 옮김)$" "$work/out"
check "--observe: nothing lacking, nothing said" test ! -s "$work/err" -a "$status" -eq 0
run --ics --observe --from-lunar 12 30 --years 2024-2030 --summary "할아버지 기일"
check "--ics --observe: an event every year" test "$(grep -c BEGIN:VEVENT "$work/out")" -eq 7
check "--ics --observe: moved said, its comma escaped" grep -q "^ 30일\\\\, 옮김)" "$work/out"
usage_error "--years with three numbers" "expects MONTH DAY, but got 3" --from-lunar 2026 1 1 --years 2024-2029
usage_error "--years with a word among the numbers" "expects MONTH DAY, but got 3" --from-lunar 1 1 extra --years 2026-2027
usage_error "a PDF page with an encoding" "a page has no encoding" --pdf --encoding cp949 2027 2
usage_error "a control character in an argument, escaped" "unknown option '--bo\\\\x1Bgus'" $'--bo\x1bgus'

# The user's own dates: the events file and added holidays, read and never written.
printf '%s\n' '# family' '음력 3-15 어머니 생신' '음력 12-30 할아버지 기일' '양력 2-30 잘못' '2027-03-04 이사' \
    >"$XDG_CONFIG_HOME/dalcal/events"
printf '2026-03-02 임시공휴일\n2026-13-01 잘못\n' >"$XDG_CONFIG_HOME/dalcal/holidays"
touch -d '2020-01-01 00:00' "$XDG_CONFIG_HOME/dalcal/events" "$XDG_CONFIG_HOME/dalcal/holidays"
before=$(stat -c '%Y %s' "$XDG_CONFIG_HOME/dalcal/events" "$XDG_CONFIG_HOME/dalcal/holidays")
run 2026 3
check "events: a bad line reported by file and number" grep -qx "$XDG_CONFIG_HOME/dalcal/events:4: month 2 has no day 30" "$work/err"
check "holidays: a bad line reported by file and number" grep -qx "$XDG_CONFIG_HOME/dalcal/holidays:2: \"2026-13-01\" is not a date: there is no month 13" "$work/err"
check "bad lines: the calendar is still printed, status 0" test "$status" -eq 0
check "an added holiday in the notes" grep -qx " 3월  2일(월) 임시공휴일" "$work/out"
check "a substitute day moved by it" grep -qx " 3월  3일(화) 삼일절 대체공휴일" "$work/out"
run 2026 2
check "a day-30 anniversary in a short month" grep -qx " 2월 16일(월) 할아버지 기일 (음력 12.30, 옮김)" "$work/out"
run --events 2027
check "--events: the year's events by date" test "$(cut -d' ' -f1 "$work/out" | tr '\n' ' ')" = "2027-02-06 2027-03-04 2027-04-21 "
run --events 2027 --json
check "--events --json" grep -q '{"date":"2027-04-21","name":"어머니 생신","moved":false,"rule":"lunar","kind":"기타","years":null,"remind":null}' "$work/out"
run --holidays 2026 --json
check "--holidays --json: an added day's source" grep -q "\"source\":\"$XDG_CONFIG_HOME/dalcal/holidays\"" "$work/out"
run 2027-03-04
check "a date's reading names its events" grep -q " · 이사$" "$work/out"
run --no-events 2027-03-04
check "--no-events" test "$(grep -c 이사 "$work/out")" -eq 0
printf '양력 1-1 새해\n' >"$work/other-events"
run --events-file "$work/other-events" --events 2030
check "--events-file" test "$(cat "$work/out")" = "2030-01-01 새해"
run --events-file "$work/absent" 2026 1
check "--events-file that is absent: status 1, nothing printed" test "$status" -eq 1 -a ! -s "$work/out"
check "--events-file that is absent: its name" grep -qx "dalcal-print: --events-file $work/absent: No such file or directory" "$work/err"
mkdir "$work/folder"
run --events-file "$work/folder" --pdf 2026 1
check "an events file that is a folder, for a page too" grep -qx "dalcal-print: --events-file $work/folder: is a folder, not a file" "$work/err"
check "a named file that is a folder: status 1" test "$status" -eq 1
check "the files are never modified" test "$(stat -c '%Y %s' "$XDG_CONFIG_HOME/dalcal/events" "$XDG_CONFIG_HOME/dalcal/holidays")" = "$before"

# --add-event and --remove-event: a line checked by the file's reader
# before anything is written (status 2), the file named by --events-file.
printf '# mine\n양력 1-1 새해\n' >"$work/changed-events"
cp "$work/changed-events" "$work/changed-before"
while IFS='|' read -r expected message args; do
    eval "words=($args)"
    run --events-file "$work/changed-events" "${words[@]}"
    check "$args: status $expected" test "$status" -eq "$expected"
    check "$args: says $message" grep -qF -- "$message" "$work/err"
    check "$args: the file as it was" cmp -s "$work/changed-events" "$work/changed-before"
done <<'ROWS'
2|"13-1" is not a date: there is no month 13|--add-event '음력 13-1 x'
2|the line holds no date|--add-event '# only a comment'
2|"알림=x" is not a number of days before (0-365)|--add-event '양력 1-2 a #: 알림=x'
2|give one line|--add-event $'양력 1-2 a\n양력 1-3 b'
2|--add-event and --remove-event go alone|--add-event '양력 1-2 a' 2027
2|--add-event and --remove-event go alone|--remove-event a --json
2|--add-event needs a value|--add-event
1|"새해" is in|--add-event '양력 1-1 새해'
1|no event named "없음" in|--remove-event 없음
ROWS
run --events-file "$work/changed-events" --add-event '  음력 12-30 할아버지 기일 #: 종류=기일 시작=1998 알림=3  '
check "--add-event: where it went" test "$status" -eq 0 -a "$(cat "$work/out")" = "$work/changed-events:3: added"
check "--add-event: the line as typed, at the end" \
    test "$(cat "$work/changed-events")" = $'# mine\n양력 1-1 새해\n음력 12-30 할아버지 기일 #: 종류=기일 시작=1998 알림=3'
run --events-file "$work/changed-events" --remove-event '새해'
check "--remove-event: how many" test "$(cat "$work/out")" = "$work/changed-events: removed 1 event(s) named \"새해\""
check "--remove-event: its line gone" test "$(cat "$work/changed-events")" = $'# mine\n음력 12-30 할아버지 기일 #: 종류=기일 시작=1998 알림=3'

# A file's problems are said only by a command that reads that file: which
# commands say the bad line 4 of the events file and line 2 of the holidays.
events_line="$XDG_CONFIG_HOME/dalcal/events:4: month 2 has no day 30"
holidays_line="$XDG_CONFIG_HOME/dalcal/holidays:2: \"2026-13-01\" is not a date: there is no month 13"
while IFS='|' read -r says_events says_holidays args; do
    read -ra words <<<"$args"
    run "${words[@]}"
    check "$args: the events file's line ${says_events}" test "$(grep -cxF "$events_line" "$work/err")" -eq "$says_events"
    check "$args: the holidays file's line ${says_holidays}" test "$(grep -cxF "$holidays_line" "$work/err")" -eq "$says_holidays"
done <<'ROWS'
0|0|--terms 2026
0|0|2027 13
1|1|2026 3
1|1|2026-03-01
0|1|--holidays 2026
1|0|--events 2026
1|1|--from-lunar 3 15 --years 2026-2027
0|0|--almanac classic 2026 3
ROWS
run 2027 13
check "a refused month is the only message" test "$(cat "$work/err")" = "dalcal-print: 2027-13 is not a month: there is no month 13"

# A byte-order mark (Windows Notepad's) before the first line is no part of it.
printf '\xEF\xBB\xBF음력 3-15 어머니 생신\n' >"$work/bom-events"
run --events-file "$work/bom-events" --events 2027
check "a byte-order mark: the first line read" test "$status" -eq 0 -a "$(cat "$work/out")" = "2027-04-21 어머니 생신 (음력 3.15)" -a -z "$(grep bom-events "$work/err")"
# Every character of the user's texts reaches every Unicode output; CP949
# writes '?' for what it has no code for.
printf '양력 3-3 🎂 민지 αβγ\n' >"$work/emoji-events"
while IFS='|' read -r expected args; do
    read -ra words <<<"$args"
    run --events-file "$work/emoji-events" "${words[@]}"
    check "$args: the event's text whole" grep -qF "$expected" "$work/out"
done <<'ROWS'
 3월  3일(수) 🎂 민지 αβγ|2027 3
2027-03-03 🎂 민지 αβγ|--events 2027
"name":"🎂 민지 αβγ"|--json --events 2027
SUMMARY:🎂 민지 αβγ|--ics --events 2027
🎂 민지 αβγ|2027-03-03
🎂 민지 αβγ|--svg 2027 3
ROWS
run --events-file "$work/emoji-events" --encoding cp949 --events 2027
check "CP949: a ? for what it lacks" test "$(iconv -f CP949 -t UTF-8 "$work/out")" = "2027-03-03 ? 민지 αβγ"
run --events-file "$work/emoji-events" --pdf 2027 3
check "PDF: the emoji drawn (a colour glyph is a picture)" test "$(pdfimages -list "$work/out" | awk '$3 == "image"' | wc -l)" -eq 1
check "PDF: the rest of the text as text" grep -q "민지 αβγ" <(pdftotext "$work/out" -)
XDG_CONFIG_HOME="$work/nowhere" run --events 2027
check "--events without a file: where it would be, in one line" \
    grep -qx "dalcal-print: no events file: write your dates in $work/nowhere/dalcal/events, one a line (see dalcal-print(1))" "$work/err"

finish
