#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time from its committed corpus.
# New inputs go to a scratch folder; an input that breaks a property is kept
# in the target's regressions folder, which every build then replays.
# usage: run_fuzzer.sh <fuzzer> <corpus> <regressions> <seconds>
set -euo pipefail
fuzzer=$1 corpus=$2 regressions=$3 seconds=$4
scratch=$(mktemp -d /tmp/tavrel-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$regressions"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$regressions/" "$scratch" "$corpus" "$regressions" \
    >"$scratch.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|property broken|artifact_prefix|Test unit written)' \
    "$scratch.log" || true
[ "$status" -eq 0 ] || tail -40 "$scratch.log"
rm -f "$scratch.log"
exit "$status"
