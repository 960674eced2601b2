#!/usr/bin/env bash
# The measurements of bench/run.sh, inside its X server; run from the project root.
# usage: measure.sh <runs>
set -euo pipefail
runs=$1
bin=build/default
results=$(mktemp -d /tmp/tavrel-bench.XXXXXX)
trap 'rm -rf "$results"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
start() { "$bin/bench/map_watch" 500 "$@"; }

start "$bin/bench/bare_window" >/dev/null # the first start warms the caches
for ((i = 0; i < runs; i++)); do
    # Rotate the order, so that no program always follows the same one.
    for which in $(printf 'tavrel\nbare\nlabel\n' | tail -n +$((i % 3 + 1)); printf 'tavrel\nbare\nlabel\n' | head -n $((i % 3))); do
        case $which in
        tavrel) start "$bin/main_window/tavrel" ;;
        bare) start "$bin/bench/bare_window" ;;
        label) start "$bin/bench/bare_window" --label ;;
        esac >>"$results/$which"
    done
done
for which in tavrel bare label; do
    declare "start_$which=$(cut -d' ' -f1 "$results/$which" | median)"
    declare "rss_$which=$(cut -d' ' -f2 "$results/$which" | median)"
done
click=$(for ((i = 0; i < runs; i++)); do "$bin/bench/calculate_bench" 2000; done | median)

echo "medians of $runs runs"
awk -v t="$start_tavrel" -v b="$start_bare" -v l="$start_label" 'BEGIN {
    printf "start-up   tavrel %6.1f ms   bare window %6.1f ms   ratio %.2f (target <= 1.20)\n", t, b, t / b
    printf "                                with one label %6.1f ms   ratio %.2f\n", l, t / l }'
awk -v t="$rss_tavrel" -v b="$rss_bare" -v l="$rss_label" 'BEGIN {
    printf "memory     tavrel %6.0f kB   bare window %6.0f kB   ratio %.2f (target <= 1.10)\n", t, b, t / b
    printf "                                with one label %6.0f kB   ratio %.2f\n", l, t / l }'
awk -v c="$click" 'BEGIN { printf "calculate  one click %.1f us (target < 50 us)\n", c }'
