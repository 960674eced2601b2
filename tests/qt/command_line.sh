#!/usr/bin/env bash
# The rows of command_line.txt, with no display and a platform plugin that does
# not exist, so that any attempt to open a window aborts.
# usage: command_line.sh /path/to/tavrel <version>
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=no-such-plugin
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
rows=$(grep -v '^#' "$(dirname "$0")/command_line.txt") || exit 1
failed=0
while IFS='|' read -r arguments code first_out first_err usage_in; do
    # shellcheck disable=SC2086 # the arguments are words
    "$1" $arguments >"$out" 2>"$err"
    got="$? | $(head -1 "$out") | $(head -1 "$err") | "
    for stream in out err; do
        grep -q '^Usage: tavrel \[options\]$' "${!stream}" && got+=$stream
    done
    want="$code | $first_out | $first_err | $usage_in"
    if [ "$got" = "$want" ]; then echo "ok   tavrel $arguments"; else
        echo "FAIL tavrel $arguments: $got (want $want)"
        failed=1
    fi
done <<<"${rows//VERSION/$2}"
exit $failed
