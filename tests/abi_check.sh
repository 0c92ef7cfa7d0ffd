#!/usr/bin/env bash
# libdalcal's ABI against the record of its soname (libdalcal/abi/SONAME.abi,
# written by abidw): a change that breaks programs built against the record
# (a function gone, a struct's layout changed) fails until the soname changes
# (and a new record is written); an addition passes and is shown.
# Usage: abi_check.sh LIBRARY HEADERS_DIR RECORD_DIR
# A new record: abidw --exported-interfaces-only --headers-dir HEADERS_DIR
#   --drop-private-types --no-show-locs --no-corpus-path --no-comp-dir-path
#   --out-file RECORD_DIR/SONAME.abi LIBRARY (its sources named relative to the tree)
set -uo pipefail
library=$1 headers=$2 records=$3
soname=$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')
record="$records/$soname.abi"
if [[ ! -f "$record" ]]; then
    echo "no ABI record for $soname: write $record with abidw (see this script's header)" >&2
    exit 1
fi
abidiff --exported-interfaces-only --headers-dir2 "$headers" "$record" "$library"
status=$?
# abidiff's status is a bit field: 1 error, 2 usage, 4 a change, 8 an incompatible change.
if (( status & 3 )); then
    echo "abidiff could not compare $library with $record" >&2
    exit 1
fi
if (( status & 8 )); then
    echo "$library breaks the ABI of $soname: change the soname (libdalcal/CMakeLists.txt) and record the new one" >&2
    exit 1
fi
(( status & 4 )) && echo "$soname: compatible additions to its ABI (record them with abidw when released)"
echo "$soname: the ABI of $record holds"
