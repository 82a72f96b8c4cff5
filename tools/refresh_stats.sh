#!/usr/bin/env bash
# Rebuilds lotto-stats and puts its current report and histogram into README.md and
# docs/images/score-histogram.svg, and the history part of its report on a made-up history
# into README.md.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target lotto-stats >/dev/null

report=$(mktemp)
trap 'rm -f "$report"' EXIT
./build/default/lotto-stats --svg docs/images/score-histogram.svg > "$report"

# Replace what stands between the two markers with the new report.
awk -v report="$report" '
    /<!-- stats-report:begin -->/ { print; print "```text"; while ((getline line < report) > 0) print line; print "```"; skipping = 1; next }
    /<!-- stats-report:end -->/ { skipping = 0 }
    !skipping { print }
' README.md > README.md.new
mv README.md.new README.md

# The history part of the report on a made-up history (tools/made_up_history.py).
tools/made_up_history.py 200 > "$report.csv"
./build/default/lotto-stats --draws "$report.csv" | sed -n '/^Draw history:/,$p' \
    | sed "s|$report.csv|made-up-draws.csv|" > "$report"
awk -v report="$report" '
    /<!-- history-report:begin -->/ { print; print "```text"; while ((getline line < report) > 0) print line; print "```"; skipping = 1; next }
    /<!-- history-report:end -->/ { skipping = 0 }
    !skipping { print }
' README.md > README.md.new
mv README.md.new README.md
rm -f "$report.csv"
echo "README.md and docs/images/score-histogram.svg refreshed"
