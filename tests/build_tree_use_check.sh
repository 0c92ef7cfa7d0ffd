#!/usr/bin/env bash
# Runs the README's "Straight from a build" lines as written, from a folder
# where build/ is the build under test: the build tree's dalcal.pc, library and
# Python module must serve a C program and Python without installing anything.
# Usage: build_tree_use_check.sh README BUILD_DIR
set -euo pipefail
readme=$1
build=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ln -s "$build" "$scratch/build"
# The first sh block after the heading.
awk '/^### Straight from a build/ { found = 1 } found && /^```sh/ { inside = 1; next } inside && /^```/ { exit } inside' \
    "$readme" >"$scratch/lines.sh"
[ -s "$scratch/lines.sh" ] || { echo "no \"Straight from a build\" block in $readme" >&2; exit 1; }
output=$(cd "$scratch" && env -u PKG_CONFIG_PATH -u LD_LIBRARY_PATH -u PYTHONPATH bash -euo pipefail lines.sh)
expected="dalcal.LunarDate(year=2027, month=1, day=1, leap=False, uncertain=False)"
[ "$output" = "$expected" ] || { printf 'got:\n%s\nexpected:\n%s\n' "$output" "$expected" >&2; exit 1; }
