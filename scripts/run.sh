#!/usr/bin/env bash
# Installs what is missing, builds and starts the window program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run
"$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=OFF -DDALCAL_BUILD_BENCH=OFF
exec "$root/build/bin/dalcal"
