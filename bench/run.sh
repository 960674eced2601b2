#!/usr/bin/env bash
# Tavrel against the floor of its toolkit: the time from process start until
# the main window is mapped and the resident memory once shown, side by side
# with a bare Qt window built with the same flags; and one "Calculate" click.
# Then Tavrel.exe under wine against a bare Win32 window under the same wine,
# and the size of Tavrel.exe. Last, the page in headless Chromium against a
# static page of the same controls. Each figure is the median of the runs
# (at least 15).
# usage: bash bench/run.sh [runs]
EXTRA_PACKAGES="xvfb xauth libxcb1-dev g++-mingw-w64-x86-64-posix wine64 emscripten chromium
    chromium-driver python3-selenium"
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
cmake --build --preset default --target bare_window calculate_bench map_watch >/dev/null
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tavrel bare_window_win32 same_controls_win32 >/dev/null
bash "$(dirname "${BASH_SOURCE[0]}")/../scripts/build_web.sh" >/dev/null

runs=${1:-21}
[ "$runs" -ge 15 ] || { echo "at least 15 runs" >&2; exit 1; }

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
here=$(dirname "${BASH_SOURCE[0]}")
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash -c 'bash "$1/measure.sh" "$2" && bash "$1/measure_wine.sh" "$2"' _ "$here" "$runs"
/usr/bin/python3 "$here/measure_web.py" build/web "$runs"
