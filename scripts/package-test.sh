#!/usr/bin/env bash
# Builds dalcal_<version>_amd64.deb, checks it with lintian (no error, no
# warning) and its AppStream metadata and desktop entry with their validators,
# unpacks it into a scratch folder (dpkg-deb -x: nothing is installed into or
# removed from this machine, and no root is needed), runs the unpacked
# programs and checks what the package holds (manual pages that match --help,
# completion, the desktop action).
# Usage: scripts/package-test.sh (after scripts/build.sh build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

rm -rf "$root/build/package"
(cd "$root/build" && cpack -G DEB -B "$root/build/package" >"$root/build/cpack.log" 2>&1) ||
    { tail -n 20 "$root/build/cpack.log"; exit 1; }
deb=$(ls "$root"/build/package/dalcal_*_amd64.deb)
echo "built $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends

echo "== lintian"
lintian --fail-on error,warning "$deb" 2>&1 | grep -v '^running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || { echo "lintian found errors or warnings" >&2; exit 1; }
echo "== appstreamcli validate, desktop-file-validate"
appstreamcli validate --no-net "$root/packaging/io.github.dalcal.metainfo.xml"
desktop-file-validate "$root/programs/dalcal/dalcal.desktop"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
usr="$unpacked/usr"
# The user's files are looked for in the scratch folder, never in the real home.
export XDG_CONFIG_HOME="$unpacked/config" HOME="$unpacked/home"
failed=0
check() {
    if "$@"; then echo "ok: ${*: -1}"; else echo "FAILED: $*" >&2; failed=1; fi
}
check cmp -s <("$usr/bin/dalcal-print" --layout window --almanac classic 2026 7) "$root/tests/golden/2026-07.txt"
check grep -q "^2027-02-07 일요일 정사일 · 음력 2027년 1월 1일" <("$usr/bin/dalcal-print" --from-lunar 2027 1 1)
check test -x "$usr/bin/dalcal"
check test -f "$usr/share/applications/dalcal.desktop"
check test -f "$usr/share/icons/hicolor/32x32/apps/dalcal.xpm"
check grep -qx "Exec=dalcal --calendar" "$usr/share/applications/dalcal.desktop"
check grep -qx "Exec=dalcal --almanac korea" "$usr/share/applications/dalcal.desktop"
check grep -qx "dalcal 1.1.0" <("$usr/bin/dalcal" --version)
check grep -qx "dalcal-print (dalcal) 1.1.0" <("$usr/bin/dalcal-print" --version)
check test -f "$usr/share/doc/dalcal/copyright"
# dalcal-print is linked statically and loads nothing at run time, Korean
# arguments included (no iconv module, no shared library).
check test -z "$(readelf -l "$usr/bin/dalcal-print" | grep -E 'INTERP|DYNAMIC')"
opens_no_library() {  # opens_no_library ARGS...: dalcal-print opens no shared object
    rm -f "$unpacked/opened"
    strace -f -e trace=open,openat -o "$unpacked/opened" "$usr/bin/dalcal-print" "$@" >/dev/null 2>&1 || true
    grep -q '+++ exited with' "$unpacked/opened" || { echo "strace saw no run" >&2; return 1; }
    ! grep -E '\.so|gconv' "$unpacked/opened" >&2
}
check opens_no_library 2026 7월
check opens_no_library --from-lunar 3 15 --years 2026–2028
check opens_no_library --encoding cp949 2027 2
# Korean messages: the catalog found beside bin, and still no shared object.
check grep -q "알 수 없는 옵션" <(LC_ALL=C.UTF-8 LANGUAGE=ko "$usr/bin/dalcal-print" --bogus 2>&1)
korean_messages_open_no_library() {
    strace -f -e trace=open,openat -E LC_ALL=C.UTF-8 -E LANGUAGE=ko -o "$unpacked/opened" \
        "$usr/bin/dalcal-print" 2027 13 >/dev/null 2>&1 || true
    grep -q 'dalcal.mo' "$unpacked/opened" && ! grep -E '\.so' "$unpacked/opened" >&2
}
check korean_messages_open_no_library
# The page drawer, found beside bin in libexec, draws with the fonts the package depends on.
check test "$("$usr/bin/dalcal-print" --pdf 2027 2 | head -c 5)" = "%PDF-"
check grep -q "fonts-nanum" <(dpkg-deb --field "$deb" Depends)

# Every option that --help names is in the manual page.
man_has_help_options() {  # man_has_help_options PROGRAM
    local page options option
    page=$(LC_ALL=C MANWIDTH=200 man -l "$usr/share/man/man1/$1.1.gz" 2>/dev/null | col -b)
    options=$("$usr/bin/$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    for option in $options; do
        grep -q -- "$option" <<<"$page" || { echo "$1(1) lacks $option" >&2; return 1; }
    done
}
check man_has_help_options dalcal
check man_has_help_options dalcal-print

# bash completion: options, and the values of --almanac.
complete_words() {  # complete_words WORD...: what completing the last word offers
    bash -c 'source "$0"
             COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _dalcal_print; echo "${COMPREPLY[*]}"' \
        "$usr/share/bash-completion/completions/dalcal-print" "$@"
}
check grep -qx -- "--json" <(complete_words dalcal-print --js)
check grep -qx -- "--almanac" <(complete_words dalcal-print --alm)
check grep -qx "korea" <(complete_words dalcal-print --almanac k)

# zsh and fish completion where those shells look, naming every option --help names.
completes_help_options() {  # completes_help_options FILE PREFIX: each option, as PREFIX + its name
    local option
    for option in $("$usr/bin/dalcal-print" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$2${option#--}" "$1" || { echo "$1 lacks $option" >&2; return 1; }
    done
}
check completes_help_options "$usr/share/bash-completion/completions/dalcal-print" --
check completes_help_options "$usr/share/zsh/vendor-completions/_dalcal-print" --
check completes_help_options "$usr/share/fish/vendor_completions.d/dalcal-print.fish" "-l "
exit "$failed"
