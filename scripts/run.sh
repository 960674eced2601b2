#!/usr/bin/env bash
# Installs what is missing, builds the program (not its tests), and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --build --preset default --target tavrel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tavrel is built (build/default/qt/tavrel) but there is no display to show it on: set DISPLAY or WAYLAND_DISPLAY, or start it with xvfb-run." >&2
    exit 1
fi
exec build/default/qt/tavrel "$@"
