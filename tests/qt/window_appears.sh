#!/usr/bin/env bash
# Starts the real program in a fresh X server and polls the window tree for its window.
# usage: window_appears.sh /path/to/tavrel "<window title>"
set -euo pipefail
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec bash "$(dirname "$0")/../with_display.sh" 1024x768x24 bash -c '
"$1" & pid=$!
for _ in $(seq 100); do
    xwininfo -root -tree | grep -qF "\"$2\"" && { echo "the window is shown"; kill $pid; exit 0; }
    kill -0 $pid 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    sleep 0.1
done
echo "no window \"$2\" within 10 s" >&2; kill $pid; exit 1' _ "$1" "$2"
