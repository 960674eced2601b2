#!/usr/bin/env bash
# Runs a command inside an X server of its own: it picks a free display
# itself, is gone before the number is free again, and never resets (by
# default it would when its last client left, failing one that connects).
# usage: with_display.sh <w>x<h>x<depth> command...
set -euo pipefail
coproc SERVER { exec Xvfb -displayfd 1 -screen 0 "$1" -nolisten tcp -noreset 2>/dev/null; }
trap 'kill $SERVER_PID 2>/dev/null; wait $SERVER_PID 2>/dev/null' EXIT
read -r -t 20 display <&"${SERVER[0]}" || { echo "the X server did not start" >&2; exit 1; }
shift
DISPLAY=:$display "$@"
