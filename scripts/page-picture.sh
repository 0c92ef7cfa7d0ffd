#!/usr/bin/env bash
# Makes docs/page-2027-02.png, the README's picture of a printable page: the
# PDF page of dalcal-print --pdf 2027 2 with a few events, rendered by
# poppler's pdftoppm.
# Usage: scripts/page-picture.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/dalcal"
cat >"$work/dalcal/events" <<'EVENTS'
음력 1-15 정월대보름 모임
양력 2-14 결혼기념일
2027-02-20 이사
EVENTS
XDG_CONFIG_HOME=$work "$build/bin/dalcal-print" --pdf 2027 2 >"$work/page.pdf"
pdftoppm -png -r 90 -singlefile "$work/page.pdf" "$root/docs/page-2027-02"
echo "wrote docs/page-2027-02.png"
