#!/usr/bin/env bash
# Tavrel against the floor of its toolkit: the time from process start until
# the main window is mapped and the resident memory once shown, side by side
# with a bare Qt window built with the same flags; and one "Calculate" click.
# Each figure is the median of the runs (at least 15).
# usage: bash bench/run.sh [runs]
EXTRA_PACKAGES="xvfb xauth libxcb1-dev"
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
cmake --build --preset default --target bare_window calculate_bench map_watch >/dev/null

runs=${1:-21}
[ "$runs" -ge 15 ] || { echo "at least 15 runs" >&2; exit 1; }

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash "$(dirname "${BASH_SOURCE[0]}")/measure.sh" "$runs"
