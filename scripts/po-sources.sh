# The sources whose messages are translated, and how xgettext reads them;
# shared by scripts/update-po.sh and tests/messages_test.sh.
# Sourced from the project's root folder.
mapfile -t po_sources < <(git ls-files -- '*.cpp' ':!:tests/*' ':!:bench/*' ':!:tools/*' 2>/dev/null ||
    find . -name '*.cpp' -not -path './tests/*' -not -path './bench/*' -not -path './build*' | sort)
# shellcheck disable=SC2034  # read by the scripts that source this one
xgettext_options=(--language=C++ --from-code=UTF-8 --keyword= --keyword=Message:1 --keyword=Phrase:1
    --keyword=Translated:1 --keyword=Refuse:1 --keyword=Words:1 --package-name=dalcal --msgid-bugs-address=
    --no-location --sort-output)
