#!/usr/bin/env bash
# dalcal-print's messages in the reader's language: Korean where the locale's
# messages are Korean (a ko_KR.UTF-8 locale made here with localedef, as a
# Korean desktop has one), English otherwise; the catalogs complete and
# their translations keeping every value of their messages.
# Usage: messages_test.sh PATH/TO/dalcal-print SOURCE_DIR
set -u
program=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/dalcal" "$HOME"
unset LANGUAGE LC_ALL LC_MESSAGES LANG

# shellcheck source=tests/checks.sh
source "$(dirname "$0")/checks.sh"

# The Korean locale, made from Debian's definitions (package locales) into a
# folder of our own: nothing is installed.
export LOCPATH="$work/locales"
mkdir -p "$LOCPATH"
if ! localedef -i ko_KR -f UTF-8 "$LOCPATH/ko_KR.UTF-8" 2>"$work/localedef.err"; then
    echo "FAILED: cannot make the ko_KR.UTF-8 locale:" >&2
    cat "$work/localedef.err" >&2
    exit 1
fi

# in_language ENVIRONMENT... -- ARGS...: runs the program with the given
# environment; stdout to $work/out, stderr to $work/err, status to $status.
in_language() {
    local environment=()
    while [[ $1 != -- ]]; do
        environment+=("$1")
        shift
    done
    shift
    env "${environment[@]}" "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

# What is said, in which language, and with which status: one row a case.
#   environment | arguments | status | stderr's first line
while IFS='|' read -r environment arguments expected_status expected; do
    [[ -z "$environment" || "$environment" == \#* ]] && continue
    read -r -a environment_words <<<"$environment"
    read -r -a argument_words <<<"$arguments"
    in_language "${environment_words[@]}" -- "${argument_words[@]}"
    name="$environment $arguments"
    check "$name: status" test "$status" -eq "$expected_status"
    check "$name: says '$expected'" test "$(head -n 1 "$work/err")" = "$expected"
    check "$name: prints nothing" test ! -s "$work/out"
    check "$name: UTF-8" iconv -f UTF-8 -t UTF-8 "$work/err" -o /dev/null
done <<'CASES'
LANG=ko_KR.UTF-8|--bogus|2|dalcal-print: 알 수 없는 옵션 '--bogus'
LANG=ko_KR.UTF-8|2027 13|1|dalcal-print: 2027-13: 없는 달임 (13월은 없음)
LANG=ko_KR.UTF-8|abc 2|1|dalcal-print: 연도: "abc": 숫자가 아님
LANG=ko_KR.UTF-8|--holidays 2013-2014|1|dalcal-print: --holidays: "2013-2014": 공휴일을 아는 2014-2100년 밖임
LANG=ko_KR.UTF-8|--from-lunar 2026 2 30|1|dalcal-print: 음력 2026년 2월에는 30일이 없음 (29일까지 있음)
LANG=ko_KR.UTF-8|2026-02-30|1|dalcal-print: "2026-02-30": 없는 날짜임 (2026년 2월은 28일까지)
LANG=ko_KR.UTF-8|--json --encoding cp949 2027-01-01|2|dalcal-print: --json은 UTF-8로 씀: --encoding cp949를 빼야 함
LC_ALL=ko_KR.UTF-8|--years 2027–2029|2|dalcal-print: --years는 --from-lunar와 함께 써야 함
LANG=ko_KR.UTF-8 LC_MESSAGES=C|--bogus|2|dalcal-print: unknown option '--bogus'
LANG=C.UTF-8 LANGUAGE=ko|--bogus|2|dalcal-print: 알 수 없는 옵션 '--bogus'
LANG=C LANGUAGE=ko|--bogus|2|dalcal-print: unknown option '--bogus'
LANG=en_US.UTF-8|--bogus|2|dalcal-print: unknown option '--bogus'
# LANGUAGE before LC_ALL before LC_MESSAGES before LANG; "C" and "en" first in
# LANGUAGE mean English, an empty variable counts as unset.
LANG=C.UTF-8 LANGUAGE=C:ko|--bogus|2|dalcal-print: unknown option '--bogus'
LANG=ko_KR.UTF-8 LANGUAGE=en:ko|--bogus|2|dalcal-print: unknown option '--bogus'
LANG=ko_KR.UTF-8 LANGUAGE=|--bogus|2|dalcal-print: 알 수 없는 옵션 '--bogus'
LC_ALL= LANG=ko_KR.UTF-8|--bogus|2|dalcal-print: 알 수 없는 옵션 '--bogus'
LC_ALL=C LANG=ko_KR.UTF-8|--bogus|2|dalcal-print: unknown option '--bogus'
LC_MESSAGES=ko_KR.UTF-8 LANG=C|--bogus|2|dalcal-print: 알 수 없는 옵션 '--bogus'
# A year below 1000 and a month below 10 written with their zeros.
LANG=ko_KR.UTF-8|999 13|1|dalcal-print: 0999-13: 없는 달임 (13월은 없음)
LANG=ko_KR.UTF-8|5 0|1|dalcal-print: 0005-00: 없는 달임 (0월은 없음)
LANG=ko_KR.UTF-8|0999-02-30|1|dalcal-print: "0999-02-30": 없는 날짜임 (999년 2월은 28일까지)
LANG=ko_KR.UTF-8|--events-file /nonexistent/events --events 2027|1|dalcal-print: --events-file /nonexistent/events: 그런 파일이나 디렉터리가 없습니다
CASES

# The hint after a usage error, and a refusal in CP949 where CP949 was asked for.
in_language LANG=ko_KR.UTF-8 -- --bogus
check "the hint in Korean" test "$(tail -n 1 "$work/err")" = "'dalcal-print --help'로 사용법을 볼 수 있음."
in_language LANG=ko_KR.UTF-8 -- --encoding cp949 2027 13
check "a refusal in CP949" test "$(iconv -f CP949 -t UTF-8 "$work/err")" = "dalcal-print: 2027-13: 없는 달임 (13월은 없음)"
printf '음력 3-40 어머니 생신\n' >"$XDG_CONFIG_HOME/dalcal/events"
in_language LANG=ko_KR.UTF-8 -- 2027 4
check "a bad line of the user's file in Korean" \
    test "$(cat "$work/err")" = "$XDG_CONFIG_HOME/dalcal/events:1: 음력 달에는 40일이 없음"
check "a bad line: the month still printed" test "$status" -eq 0 -a -s "$work/out"
rm "$XDG_CONFIG_HOME/dalcal/events"

# --help in both languages, every line within 80 columns (a syllable is two).
columns() {
    /usr/bin/python3 -c 'import sys, unicodedata
print(max(sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line.rstrip("\n"))
          for line in open(sys.argv[1], encoding="utf-8")))' "$1"
}
in_language LANG=ko_KR.UTF-8 -- --help
check "--help in Korean" test "$(head -n 1 "$work/out")" = "사용법: dalcal-print [옵션...] [연도 [월]]"
check "--help in Korean within 80 columns" test "$(columns "$work/out")" -le 80
check "--help in Korean names every option" test "$(grep -o -- '--[a-z-]*' "$work/out" | sort -u | wc -l)" -ge 17
in_language LANG=C.UTF-8 -- --help
check "--help in English" grep -q '^Usage: dalcal-print' "$work/out"
check "--help in English within 80 columns" test "$(columns "$work/out")" -le 80
# The output itself does not change with the language.
in_language LANG=ko_KR.UTF-8 -- 2027 2
cp "$work/out" "$work/korean"
in_language LANG=C -- 2027 2
check "the calendar is the same in every language" cmp -s "$work/out" "$work/korean"

# The catalogs: every message of the sources translated, each translation
# keeping its message's {N} places.
cd "$source_dir" || exit 1
# shellcheck source=scripts/po-sources.sh
source scripts/po-sources.sh
xgettext "${xgettext_options[@]}" --output="$work/dalcal.pot" "${po_sources[@]}" 2>/dev/null
for po in po/*.po; do
    check "$po: holds every message" msgcmp "$po" "$work/dalcal.pot"
    check "$po: no untranslated or fuzzy message" \
        test -z "$(msgfmt --statistics --output-file=/dev/null "$po" 2>&1 | grep -E 'untranslated|fuzzy')"
    check "$po: the same places" /usr/bin/python3 - "$po" <<'PY'
import re, subprocess, sys
text = subprocess.run(["msgcat", "--no-wrap", sys.argv[1]], capture_output=True, text=True, check=True).stdout
def unquote(lines):
    return "".join(l[l.index('"') + 1:-1] for l in lines)
ok = True
for block in text.split("\n\n"):
    ids, strs, into = [], [], None
    for line in block.split("\n"):
        if line.startswith("msgid "): into = ids
        elif line.startswith("msgstr "): into = strs
        elif not line.startswith('"'): into = None
        if into is not None: into.append(line)
    msgid, msgstr = unquote(ids), unquote(strs)
    if msgid and sorted(re.findall(r"\{\d\}", msgid)) != sorted(re.findall(r"\{\d\}", msgstr)):
        print("places differ:", msgid, "->", msgstr); ok = False
sys.exit(0 if ok else 1)
PY
done

finish
