#!/usr/bin/env bash
# The command line without a display, and with a platform plugin that does
# not exist, so that any attempt to open a window aborts: --help and
# --version answer on standard output and exit 0; anything else is named on
# standard error's first line, the usage follows there, and the exit code is 2.
# usage: command_line.sh /path/to/tavrel <version>
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=no-such-plugin
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0
# arguments | exit code | first line of standard output | of standard error | where the usage is
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
done <<ROWS
--help|0|Usage: tavrel [options]||out
-h|0|Usage: tavrel [options]||out
--version|0|Tavrel $2||
-v|0|Tavrel $2||
--fly|2||tavrel: Unknown option 'fly'.|err
-x|2||tavrel: Unknown option 'x'.|err
30000|2||tavrel: Unexpected argument '30000'.|err
--version 30000|2||tavrel: Unexpected argument '30000'.|err
ROWS
exit $failed
