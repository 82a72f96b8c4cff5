#!/bin/sh
# Starts (start) or ends (stop) a Wine session for the Windows tests: a persistent
# wineserver with Wine's own helper processes already running. Without it every test
# start spawns those helpers, which hold the test runner's pipes open and cost seconds
# per test, or hang test discovery until its timeout.
: "${WINEPREFIX:?set WINEPREFIX to the prefix the tests use}"
export WINEPREFIX WINEDEBUG=-all
unset DISPLAY
server=/usr/lib/wine/wineserver
[ -x "$server" ] || server=wineserver
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=wine
case "$1" in
start)
    mkdir -p "$WINEPREFIX"
    "$server" -p </dev/null >/dev/null 2>&1
    "$loader" wineboot -i </dev/null >/dev/null 2>&1
    ;;
stop)
    "$server" -k </dev/null >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: WINEPREFIX=... $0 start|stop" >&2
    exit 2
    ;;
esac
