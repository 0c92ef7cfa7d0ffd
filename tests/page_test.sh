#!/usr/bin/env bash
# dalcal-print --pdf and --svg end to end, read back by the programs people
# read them with: poppler's pdfinfo, pdffonts and pdftotext, an XML parser
# and librsvg's rsvg-convert.
# Usage: page_test.sh PATH/TO/dalcal-print
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" LC_ALL=C.UTF-8
# Under LeakSanitizer: fontconfig keeps its font lists to the end, on
# purpose (Pango fills them from a thread of its own, so they cannot be freed
# early either); what is ours is still checked.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/drawing-libraries.lsan:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset LANGUAGE
mkdir -p "$XDG_CONFIG_HOME/dalcal" "$HOME"
cat >"$XDG_CONFIG_HOME/dalcal/events" <<'EVENTS'
음력 3-15 어머니 생신
양력 5-8 어버이날 모임
2027-02-20 이사
EVENTS

# shellcheck source=tests/checks.sh
source "$(dirname "$0")/checks.sh"

page_text() {  # page_text FILE PAGE: the page's text, one word a line
    pdftotext -f "$2" -l "$2" "$1" - | tr -s ' \t' '\n\n'
}

# A year: twelve A4 landscape pages, every font embedded.
run --pdf 2027
cp "$work/out" "$work/year.pdf"
check "a year: status 0, nothing on stderr" test "$status" -eq 0 -a ! -s "$work/err"
check "a year: twelve pages" test "$(pdfinfo "$work/year.pdf" | awk '/^Pages:/ { print $2 }')" = 12
check "a year: A4 landscape" grep -q '^Page size: *841.89 x 595.28 pts (A4)' <(pdfinfo "$work/year.pdf")
check "a year: fonts listed" test "$(pdffonts "$work/year.pdf" | tail -n +3 | wc -l)" -ge 2
check "a year: every font embedded, as a subset" \
    test -z "$(pdffonts "$work/year.pdf" | tail -n +3 | awk '$(NF-4) != "yes" || $(NF-3) != "yes"')"
check "a year: the fonts are Nanum's" test -z "$(pdffonts "$work/year.pdf" | tail -n +3 | grep -v Nanum)"

# Each page holds its month, its lunar dates (from the date reading), its
# holidays and terms (from the lists) and the test file's events.
"$program" --holidays 2027 >"$work/holidays"
"$program" --terms 2027 >"$work/terms"
for month in 1 2 3 4 5 6 7 8 9 10 11 12; do
    page_text "$work/year.pdf" "$month" >"$work/page"
    check "2027-$month: its title" grep -qx "${month}월" "$work/page"
    for day in 1 15 28; do
        lunar=$("$program" --json "$(printf '2027-%02d-%02d' "$month" "$day")" |
            jq -r '.lunar | (if .leap then "윤" else "" end) + "\(.month).\(.day)"')
        check "2027-$month-$day: lunar $lunar" grep -qx -- "$lunar" "$work/page"
    done
    while read -r date _weekday name _; do
        [[ ${date:5:2} == $(printf '%02d' "$month") ]] || continue
        check "2027-$month: holiday $name" grep -qx -- "$name" "$work/page"
    done <"$work/holidays"
    while read -r date _time name _; do
        [[ ${date:5:2} == $(printf '%02d' "$month") ]] || continue
        check "2027-$month: term $name" grep -qx -- "$name" "$work/page"
    done <"$work/terms"
done
check "events: a lunar one" grep -qx 어머니 <(page_text "$work/year.pdf" 4)
check "events: a yearly one" grep -qx 어버이날 <(page_text "$work/year.pdf" 5)
check "events: a day's" grep -qx 이사 <(page_text "$work/year.pdf" 2)
check "the source in the footer" grep -q 한국천문연구원 <(page_text "$work/year.pdf" 1)
check "a year: titled as a year" grep -qx "Title: *2027년" <(pdfinfo "$work/year.pdf")

# The footer cites the sources of what the page shows, and no other.
while IFS='|' read -r cites omits args; do
    read -ra words <<<"$args"
    run --pdf "${words[@]}"
    footer=$(pdftotext "$work/out" - | grep -E "음력:|공휴일:" || true)
    check "$args: the footer cites ${cites:-nothing}" test -z "$cites" -o -n "$(grep -- "$cites" <<<"$footer")"
    check "$args: the footer leaves out $omits" test -z "$(grep -- "$omits" <<<"$footer")"
done <<'ROWS'
한국천문연구원|옛 음력표|2027 2
관공서의 공휴일|옛 음력표|2027 2
옛 음력표|관공서의 공휴일|--almanac classic 2027 2
한국천문연구원|관공서의 공휴일|1391 2
|음력:|1300 1
|공휴일:|1300 1
ROWS

# Events that don't fit a cell: as many as fit, then how many more.
printf '2025-08-30 %s\n' 첫째 "둘째 일정이 조금 길어서 줄이 넘어감" 셋째 넷째 다섯째 여섯째 일곱째 >"$work/many-events"
run --events-file "$work/many-events" --pdf 2025 8
check "a full cell: the rest counted" grep -qx "외 5건" <(pdftotext -layout "$work/out" - | sed 's/^ *//')
check "a full cell: the ones shown whole" grep -q "첫째" <(pdftotext "$work/out" -)

# The small months beside the title mark their holidays as the big one does.
run --svg 2027 3
check "small grid: 설날 2027-02-08 red" grep -q '>8</text>' <(grep 'font-size="6.50" fill="#c81e1e"' "$work/out")
run --svg
check "--svg alone: this month" grep -q "$(date +%Y)년 $(date +%-m)월" "$work/out"

# With SOURCE_DATE_EPOCH, a PDF is the same bytes on every run.
SOURCE_DATE_EPOCH=1700000000 "$program" --pdf 2027 2 >"$work/first.pdf"
sleep 1.1
SOURCE_DATE_EPOCH=1700000000 "$program" --pdf 2027 2 >"$work/second.pdf"
check "SOURCE_DATE_EPOCH: byte-identical PDFs" cmp -s "$work/first.pdf" "$work/second.pdf"
check "SOURCE_DATE_EPOCH: the PDF's date" grep -q "CreationDate: *Tue Nov 14 22:13:20 2023 UTC" <(TZ=UTC pdfinfo "$work/first.pdf")

# One month; the classic table: its lunar dates, no holidays, terms or events.
run --pdf 2027 2
check "a month: one page" test "$(pdfinfo "$work/out" | awk '/^Pages:/ { print $2 }')" = 1
run --almanac classic --pdf 2027 2
page_text "$work/out" 1 >"$work/page"
check "classic: its own new year (1.1 on the 6th)" \
    test "$("$program" --almanac classic --json 2027-02-06 | jq -r '"\(.lunar.month).\(.lunar.day)"')" = 1.1
check "classic: lunar dates drawn" grep -qx 1.1 "$work/page"
check "classic: no holidays, terms or events" test -z "$(grep -E '설날|입춘|우수|이사' "$work/page")"
check "classic: names its table" grep -q 옛 "$work/page"

# A year without lunar dates says why, and draws none.
run --pdf 9999 6
page_text "$work/out" 1 >"$work/page"
check "9999-06: status 0" test "$status" -eq 0
check "9999-06: says where the lunar dates end" grep -q 까지만 "$work/page"
check "9999-06: no lunar date" test -z "$(grep -E '^(윤)?[0-9]{1,2}\.[0-9]{1,2}$' "$work/page")"

# The SVG: XML whose text is text, and a renderer draws it.
run --svg 2027 2
cp "$work/out" "$work/page.svg"
check "SVG: status 0" test "$status" -eq 0
check "SVG: parses as XML" /usr/bin/python3 -c 'import sys, xml.etree.ElementTree as T; T.parse(sys.argv[1])' "$work/page.svg"
check "SVG: its text as text" grep -q '>설날 (공휴일)</text>' "$work/page.svg"
for holiday in "2027 5 노동절 (대체공휴일)" "2028 4 제23대 국회의원선거 (선거일, 예정)" "2030 6 제10회 전국동시지방선거 (선거일, 예정)"; do
    read -r year month name <<<"$holiday"
    run --svg "$year" "$month"
    # A long note wraps: the page's words joined as they read.
    check "SVG: $name on its page" grep -qF "$name" <(sed 's/<[^>]*>/ /g' "$work/out" | tr -s ' \n' '  ')
done
check "SVG: rsvg-convert renders it" rsvg-convert --output "$work/page.png" "$work/page.svg"
check "SVG: the picture is A4 landscape" \
    test "$(/usr/bin/python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read(24); w, h = struct.unpack(">II", d[16:24]); print(w > h)' "$work/page.png")" = True

# Every year 1-9999 draws: a sample with the edges and the almanacs' first
# and last months, in both almanacs.
for almanac in korea classic; do
    for month in 1-1 1-12 1390-12 1391-2 1899-12 1900-1 2049-12 2050-1 2050-12 2100-12 2101-1 5000-7 9999-12; do
        run --almanac "$almanac" --svg "${month%-*}" "${month#*-}"
        check "$almanac $month: SVG" test "$status" -eq 0 -a -s "$work/out"
        run --almanac "$almanac" --pdf "${month%-*}" "${month#*-}"
        check "$almanac $month: PDF" test "$status" -eq 0 -a "$(head -c 5 "$work/out")" = "%PDF-"
    done
done

# Refusals, as the text views refuse; never PDF or SVG bytes onto a terminal.
refused() {  # refused NAME STATUS PATTERN ARGS...
    local name=$1 expected=$2 pattern=$3
    shift 3
    run "$@"
    check "$name: status $expected" test "$status" -eq "$expected"
    check "$name: nothing written" test ! -s "$work/out"
    check "$name: says so" grep -q -- "$pattern" "$work/err"
}
refused "month 13" 1 "2027-13 is not a month: there is no month 13" --pdf 2027 13
refused "year 0" 1 "0-01 is not a month: the years are 1-9999" --pdf 0
refused "not a number" 1 '"abc" is not a number' --svg abc 2
refused "--svg of a year" 2 "--svg draws one month" --svg 2027
refused "--layout with a page" 2 "--layout lays out text" --pdf --layout window 2027 2
refused "--encoding with a page" 2 "a page has no encoding" --svg --encoding cp949 2027 2
SOURCE_DATE_EPOCH=abc refused "a malformed SOURCE_DATE_EPOCH" 1 'SOURCE_DATE_EPOCH: "abc" is not a number' --pdf 2027 2
refused "--pdf with --holidays" 2 "--pdf goes with YEAR" --pdf --holidays 2027
script -qec "$program --pdf 2027 2" /dev/null >"$work/terminal" 2>&1
status=$?
check "onto a terminal: status 2" test "$status" -eq 2
check "onto a terminal: refused" grep -q "refusing to write PDF to a terminal" "$work/terminal"
check "onto a terminal: no PDF" test -z "$(grep -a '%PDF' "$work/terminal")"

finish
