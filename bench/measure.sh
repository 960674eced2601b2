#!/usr/bin/env bash
# The measurements of the Linux program, inside bench/run.sh's X server; run
# from the project root. usage: measure.sh <runs>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/compare.sh"
bin=build/default
run_tavrel() { "$bin/bench/map_watch" 500 "$bin/qt/tavrel"; }
run_bare() { "$bin/bench/map_watch" 500 "$bin/bench/bare_window"; }
run_third() { "$bin/bench/map_watch" 500 "$bin/bench/bare_window" --label; }

compare "$1" tavrel "bare Qt window" "with one label"
click=$(for ((i = 0; i < $1; i++)); do "$bin/bench/calculate_bench" 2000; done | median)
awk -v c="$click" 'BEGIN { printf "calculate one click %.1f us\n", c }'
