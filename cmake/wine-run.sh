#!/bin/sh
# Runs a Windows program under Wine, headless and quiet, in a prefix of its own that
# lives beside the build (WINEPREFIX may name another).
: "${WINEPREFIX:=${TMPDIR:-/tmp}/lotto-wine-prefix}"
export WINEPREFIX
export WINEDEBUG=-all
unset DISPLAY
for loader in /usr/lib/wine/wine64 wine64 wine; do
    if command -v "$loader" >/dev/null 2>&1; then
        exec "$loader" "$@"
    fi
done
echo "wine-run.sh: no Wine loader found" >&2
exit 127
