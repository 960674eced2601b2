#!/usr/bin/env bash
# Runs a command inside an X server of its own. The server picks a free
# display itself and reports it, so that tests run side by side never take
# the same one. usage: with_display.sh <width>x<height>x<depth> command...
set -euo pipefail
coproc SERVER { exec Xvfb -displayfd 1 -screen 0 "$1" -nolisten tcp 2>/dev/null; }
trap 'kill $SERVER_PID 2>/dev/null' EXIT
read -r -t 20 display <&"${SERVER[0]}" || { echo "the X server did not start" >&2; exit 1; }
shift
DISPLAY=:$display "$@"
