#!/usr/bin/env bash
# The rows of command_line.txt, with no display and a platform plugin that does
# not exist, so that any attempt to open a window aborts.
# usage: command_line.sh /path/to/tavrel <version>
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=no-such-plugin
rows=$(grep -v '^#' "$(dirname "$0")/command_line.txt") || exit 1
scratch=$(mktemp -d) && cd "$scratch" && trap 'rm -rf "$scratch"' EXIT
failed=0
while IFS='|' read -r arguments want; do
    # shellcheck disable=SC2086 # the arguments are words
    "$1" $arguments >out 2>err
    got="$?|$(head -1 out)|$(head -1 err)|$(grep -lx 'Usage: tavrel \[options\]' out err | tr -d '\n')"
    [ "$got" = "$want" ] && echo "ok   tavrel $arguments" && continue
    echo "FAIL tavrel $arguments: $got (want $want)" && failed=1
done <<<"${rows//VERSION/$2}"
exit $failed
