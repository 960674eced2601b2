#!/usr/bin/env bash
# Starts the real program in a fresh X server and waits for its main window.
# usage: window_appears.sh /path/to/tavrel
set -euo pipefail
program=$1

if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
    echo "window_appears: xvfb-run and xwininfo are needed (packages xvfb, x11-utils)" >&2
    exit 1
fi

# Inside the X server: start the program, poll the window tree for its caption.
check='
"$1" & pid=$!
for _ in $(seq 1 100); do
    if xwininfo -root -tree | grep -q "\"Tavrel V1.0\""; then
        echo "window \"Tavrel V1.0\" is shown"
        kill "$pid"; exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    sleep 0.1
done
echo "no window \"Tavrel V1.0\" within 10 s" >&2
kill "$pid"; exit 1
'
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c "$check" _ "$program"
