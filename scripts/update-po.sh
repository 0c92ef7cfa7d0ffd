#!/usr/bin/env bash
# Makes po/dalcal.pot from the messages in the sources and merges it into
# each po/LANGUAGE.po, for the translators. The test command checks that the
# catalogs hold every message (tests/messages_test.sh).
# Usage: scripts/update-po.sh
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/po-sources.sh
source scripts/po-sources.sh
xgettext "${xgettext_options[@]}" --output=po/dalcal.pot "${po_sources[@]}"
for po in po/*.po; do
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" po/dalcal.pot
done
