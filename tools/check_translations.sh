#!/bin/sh
# Fails unless every catalogue is valid and complete: no fuzzy or untranslated message,
# and every message the code marks (extracted afresh) in po/lotto.pot and translated in
# each catalogue. Needs gettext.
set -eu
cd "$(dirname "$0")/.."
code=$(mktemp --suffix=.pot)
trap 'rm -f "$code"' EXIT
git ls-files 'src/*.cpp' 'src/*.hpp' | LC_ALL=C sort | xgettext --language=C++ --from-code=UTF-8 \
    --keyword=translate --keyword=translatable --msgid-bugs-address=lotto -f - -o "$code"
# The template holds exactly the code's messages: none missing, none left over.
msgcmp --use-untranslated po/lotto.pot "$code"
msgcmp --use-untranslated "$code" po/lotto.pot
for catalogue in po/*.po; do
    statistics=$(msgfmt --check --statistics -o /dev/null "$catalogue" 2>&1)
    echo "$catalogue: $statistics"
    case "$statistics" in
    *fuzzy* | *untranslated*) echo "$catalogue is not complete"; exit 1 ;;
    esac
    msgcmp "$catalogue" "$code"
done
