#!/usr/bin/env bash
# Starts the real program in a fresh X server with a session bus and the
# desktop's accessibility bus, and reads it as a screen reader would.
# usage: accessibility_tree.sh /path/to/tavrel
set -euo pipefail
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # as when a screen reader runs
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
exec xvfb-run --auto-servernum dbus-run-session -- bash -c '
"$1" & pid=$!
trap "kill $pid" EXIT
/usr/bin/python3 "$2/accessibility_tree.py"' _ "$1" "$here"
