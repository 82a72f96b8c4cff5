#!/bin/sh
# Refreshes po/lotto.pot from the sources and merges it into every catalogue, for a
# translator to fill in what is new. Needs gettext (xgettext, msgmerge).
set -eu
cd "$(dirname "$0")/.."
git ls-files 'src/*.cpp' 'src/*.hpp' | LC_ALL=C sort | xgettext --language=C++ --from-code=UTF-8 \
    --keyword=translate --keyword=translatable --add-comments=TRANSLATORS \
    --package-name=lotto --msgid-bugs-address=lotto --add-location=file --sort-by-file --no-wrap \
    -f - -o po/lotto.pot
for catalogue in po/*.po; do
    msgmerge --quiet --update --backup=none --no-wrap --add-location=file --sort-by-file \
        "$catalogue" po/lotto.pot
done
