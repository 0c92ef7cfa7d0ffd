#!/usr/bin/env bash
# Builds the four Debian packages (dalcal, libdalcal1, libdalcal-dev,
# python3-dalcal), checks them with lintian (no error, no warning) and the
# AppStream metadata and desktop entry with their validators, unpacks them
# into a scratch folder (dpkg-deb -x: nothing is installed into or removed
# from this machine, and no root is needed), runs the unpacked programs and
# checks what the packages hold (manual pages that match --help, completion,
# the desktop action); builds programs against the unpacked library as others
# would (pkg-config, find_package) and runs the Python module's example that
# writes a khal calendar.
# Usage: scripts/package-test.sh (after scripts/build.sh build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

rm -rf "$root/build/package"
(cd "$root/build" && cpack -G DEB -B "$root/build/package" >"$root/build/cpack.log" 2>&1) ||
    { tail -n 20 "$root/build/cpack.log"; exit 1; }
deb=$(ls "$root"/build/package/dalcal_*_amd64.deb)
debs=("$deb" "$root"/build/package/{libdalcal1,libdalcal-dev,python3-dalcal}_*_amd64.deb)
for package in "${debs[@]}"; do
    echo "built $(basename "$package")"
    dpkg-deb --field "$package" Package Version Depends
done

echo "== lintian"
for package in "${debs[@]}"; do
    lintian_status=0
    findings=$(lintian --fail-on error,warning "$package" 2>&1) || lintian_status=$?
    grep -v '^running with root privileges' <<<"$findings" || true
    (( lintian_status == 0 )) || { echo "lintian found errors or warnings in $(basename "$package")" >&2; exit 1; }
done
echo "== appstreamcli validate, desktop-file-validate"
appstreamcli validate --no-net "$root/packaging/io.github.dalcal.metainfo.xml"
desktop-file-validate "$root/programs/dalcal/dalcal.desktop"
desktop-file-validate "$root/packaging/dalcal-remind.desktop"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for package in "${debs[@]}"; do dpkg-deb -x "$package" "$unpacked"; done
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
check test -f "$usr/share/icons/hicolor/scalable/apps/dalcal.svg"
for size in 16 22 24 32 48 64 128 256; do check test -f "$usr/share/icons/hicolor/${size}x${size}/apps/dalcal.png"; done
check grep -qx "Exec=dalcal --calendar" "$usr/share/applications/dalcal.desktop"
check grep -qx "Exec=dalcal --almanac korea" "$usr/share/applications/dalcal.desktop"
check grep -qx "dalcal 1.1.0" <("$usr/bin/dalcal" --version)
check grep -qx "dalcal-print (dalcal) 1.1.0" <("$usr/bin/dalcal-print" --version)
check test -f "$usr/share/doc/dalcal/copyright"
# What runs the reminders: the autostart entry (a conffile), the user units;
# dalcal, static, finds its window program in libexec and answers a reminder
# run with nothing due without it.
check grep -qx "Exec=dalcal --remind" "$unpacked/etc/xdg/autostart/dalcal-remind.desktop"
check grep -qx "ExecStart=/usr/bin/dalcal --remind" "$usr/lib/systemd/user/dalcal-remind.service"
check grep -qx "Persistent=true" "$usr/lib/systemd/user/dalcal-remind.timer"
check grep -qx "/etc/xdg/autostart/dalcal-remind.desktop" <(dpkg-deb --info "$deb" conffiles)
check test -z "$(readelf -l "$usr/bin/dalcal" | grep -E 'INTERP|DYNAMIC')"
check test -x "$usr/libexec/dalcal/dalcal-window"
check test -x "$usr/libexec/dalcal/dalcal-remind"
check env XDG_STATE_HOME="$unpacked/state" "$usr/bin/dalcal" --remind
check grep -q "no display" <(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/dalcal" --calendar 2>&1)
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

echo "== libdalcal from outside: pkg-config, find_package, the Python module"
libdir="$usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
export LD_LIBRARY_PATH="$libdir"
# pkg-config finds the unpacked package as if installed (its paths under the sysroot).
pkgconf_unpacked() { PKG_CONFIG_PATH="$libdir/pkgconfig" PKG_CONFIG_SYSROOT_DIR="$unpacked" pkg-config "$@"; }
check test "$(pkgconf_unpacked --modversion dalcal)" = "$(dpkg-deb --field "$deb" Version)"
# The C example of dalcal(3) and the C test program, built with nothing but what pkg-config says.
sed -n '/^\.EX$/,/^\.EE$/p' "$root/packaging/dalcal.3" | sed '/^\.E[XE]$/d; s/\\e/\\/g' | awk '/^cc /{exit} {print}' >"$unpacked/seollal.c"
built_with_pkg_config() {  # built_with_pkg_config SOURCE OUTPUT
    # shellcheck disable=SC2046
    cc -std=c11 -Wall -Werror -o "$2" "$1" $(pkgconf_unpacked --cflags --libs dalcal)
}
check built_with_pkg_config "$unpacked/seollal.c" "$unpacked/seollal"
check test "$("$unpacked/seollal")" = "lunar 2027-01-01"
check built_with_pkg_config "$root/tests/c_interface_from_c.c" "$unpacked/from_c"
check grep -q "^2027-02-07 = 음력 2027년(정미) 1월 1일$" <("$unpacked/from_c")
check grep -q "libdalcal.so.1 => $libdir/libdalcal.so.1" <(ldd "$unpacked/from_c")
# A CMake project: find_package(dalcal) and the target dalcal::dalcal.
mkdir -p "$unpacked/cmake-user"
cat >"$unpacked/cmake-user/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(user C)
find_package(dalcal 1 REQUIRED)
add_executable(seollal seollal.c)
target_link_libraries(seollal PRIVATE dalcal::dalcal)
CMAKE
cp "$unpacked/seollal.c" "$unpacked/cmake-user/"
built_with_cmake() {
    cmake -S "$unpacked/cmake-user" -B "$unpacked/cmake-user/build" -DCMAKE_PREFIX_PATH="$usr" >/dev/null &&
        cmake --build "$unpacked/cmake-user/build" >/dev/null && "$unpacked/cmake-user/build/seollal" | grep -qx "lunar 2027-01-01"
}
check built_with_cmake
# The Python module as unpacked, and its example: a family's lunar dates written
# into a vdir that khal lists on the days dalcal-print gives (kept by --observe).
export PYTHONPATH="$usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1
check grep -qx "$PYTHONPATH/dalcal/__init__.py" <(/usr/bin/python3 -c 'import dalcal; print(dalcal.__file__)')
cat >"$unpacked/khal.conf" <<KHAL
[calendars]
[[family]]
path = $unpacked/vdir/family
[locale]
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
timeformat = %H:%M
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
[sqlite]
path = $unpacked/khal.db
KHAL
/usr/bin/python3 "$root/docs/examples/lunar_dates_to_khal.py" "$unpacked/vdir/family" 2024 2027 \
    "12-30 할아버지 기일" "윤6-1 할머니 생신" || failed=1
khal_days() {  # khal_days NAME: the days khal lists for NAME
    khal -c "$unpacked/khal.conf" list --format "{start-date} {title}" --day-format "" 2024-01-01 2028-12-31 |
        awk -v name="$1" '$0 ~ (" " name "$") { print $1 }'
}
print_days() { "$usr/bin/dalcal-print" --from-lunar "$@" --years 2024-2027 --observe | awk '{ print $1 }'; }
check test "$(khal_days "할아버지 기일" | wc -l)$(khal_days "할머니 생신" | wc -l)" = 44
check cmp -s <(khal_days "할아버지 기일") <(print_days 12 30)
check cmp -s <(khal_days "할머니 생신") <(print_days 윤6 1)
exit "$failed"
