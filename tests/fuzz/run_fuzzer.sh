#!/usr/bin/env bash
# Runs the fuzzer for a bounded time from the committed corpus; new inputs go
# to a scratch folder, and one that breaks a property is kept in regressions/,
# which every build replays. usage: run_fuzzer.sh <fuzzer> <corpus> <regressions> <seconds>
set -euo pipefail
scratch=$(mktemp -d /tmp/tavrel-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
"$1" -max_total_time="$4" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$3/" "$scratch" "$2" "$3" >"$scratch/log" 2>&1 || { tail -40 "$scratch/log"; exit 1; }
grep -E '^stat::number_of_executed_units' "$scratch/log"
