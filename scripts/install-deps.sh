#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing,
# for the purposes named as arguments (build, run, bench).
# Usage: scripts/install-deps.sh build run
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

wanted=()
while read -r package purpose; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    for asked in "$@"; do
        [[ "$purpose" == "$asked" ]] && wanted+=("$package")
    done
done <"$here/debian-packages.txt"

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
