#!/usr/bin/env bash
# Rebuilds lotto-stats and puts its current report and histogram into docs/command-line.md and
# docs/images/score-histogram.svg, the same in Korean into tests/expected/stats-report.ko.txt
# and docs/images/score-histogram.ko.svg, and the history part of its report on the real
# draws shipped in data/draws.csv into docs/command-line.md.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target lotto-stats >/dev/null

report=$(mktemp)
trap 'rm -f "$report"' EXIT
LC_ALL=C ./build/default/lotto-stats --svg docs/images/score-histogram.svg > "$report"
LC_ALL=ko_KR.UTF-8 ./build/default/lotto-stats --svg docs/images/score-histogram.ko.svg \
    > tests/expected/stats-report.ko.txt

# Puts the file $2 between the markers "<!-- $1:begin -->" and "<!-- $1:end -->".
replace_block() {
    awk -v report="$2" -v begin="<!-- $1:begin -->" -v end="<!-- $1:end -->" '
        $0 == begin { print; print "```text"; while ((getline line < report) > 0) print line; print "```"; skipping = 1; next }
        $0 == end { skipping = 0 }
        !skipping { print }
    ' docs/command-line.md > docs/command-line.md.new
    mv docs/command-line.md.new docs/command-line.md
}

replace_block stats-report "$report"

# The history part of the report on the real draws.
LC_ALL=C ./build/default/lotto-stats --draws data/draws.csv | sed -n '/^Draw history:/,$p' > "$report"
replace_block history-report "$report"
echo "docs/command-line.md, tests/expected and docs/images refreshed"
