#!/usr/bin/env bash
# The measurements of Tavrel.exe under wine, inside bench/run.sh's X server,
# in a throwaway prefix whose wine server stays up between the runs; run from
# the project root. usage: measure_wine.sh <runs>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/compare.sh"
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
export WINEPREFIX; WINEPREFIX=$(mktemp -d /tmp/tavrel-bench-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
"$wineserver" -p # persistent: each run starts a program, not a wine server
tavrel=build/mingw/win32/Tavrel.exe bare=build/mingw/bench/bare_window_win32.exe
run_tavrel() { build/default/bench/map_watch 1000 "$wine" "$tavrel"; }
run_bare() { build/default/bench/map_watch 1000 "$wine" "$bare"; }
run_third() { build/default/bench/map_watch 1000 "$wine" build/mingw/bench/same_controls_win32.exe; }

run_tavrel >/dev/null
compare "$1" Tavrel.exe "bare Win32 window" "plain window, same 37 controls"
echo "size      Tavrel.exe $(stat -c %s "$tavrel") bytes"
