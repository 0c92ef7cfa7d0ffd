#!/usr/bin/env bash
# Builds dalcal_<version>_amd64.deb, installs it with dpkg, runs the installed
# dalcal-print and checks what the package put in place; removes it again.
# Usage: scripts/package-test.sh (after scripts/build.sh build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

rm -rf "$root/build/package"
(cd "$root/build" && cpack -G DEB -B "$root/build/package" >"$root/build/cpack.log" 2>&1) ||
    { tail -n 20 "$root/build/cpack.log"; exit 1; }
deb=$(ls "$root"/build/package/dalcal_*_amd64.deb)
echo "built $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends

"${sudo[@]}" dpkg -i "$deb" >/dev/null
trap '"${sudo[@]}" dpkg -r dalcal >/dev/null' EXIT
failed=0
check() {
    if "$@"; then echo "ok: ${*: -1}"; else echo "FAILED: $*" >&2; failed=1; fi
}
check cmp -s <(/usr/bin/dalcal-print --almanac classic 2026 7) "$root/tests/golden/2026-07.txt"
check grep -qx "2027-02-07 일요일 정사일" <(/usr/bin/dalcal-print --from-lunar 2027 1 1)
check test -x /usr/bin/dalcal
check test -f /usr/share/applications/dalcal.desktop
check test -f /usr/share/icons/hicolor/32x32/apps/dalcal.xpm
exit "$failed"
