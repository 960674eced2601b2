# Sourced by the measurement scripts, which define run_tavrel, run_bare and
# run_third (each starts its program under map_watch). compare <runs> <tavrel>
# <bare> <third> prints the medians of start-up and memory of the three,
# started in turn, with the names given.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

compare() {
    local runs=$1 results i which
    results=$(mktemp -d /tmp/tavrel-bench.XXXXXX)
    run_bare >/dev/null # the first start warms the caches
    for ((i = 0; i < runs; i++)); do
        # Rotate the order, so that no program always follows the same one.
        for which in $(printf 'tavrel\nbare\nthird\n' | tail -n +$((i % 3 + 1)); printf 'tavrel\nbare\nthird\n' | head -n $((i % 3))); do
            "run_$which" >>"$results/$which"
        done
    done
    for which in tavrel bare third; do
        declare -g "start_$which=$(cut -d' ' -f1 "$results/$which" | median)"
        declare -g "rss_$which=$(cut -d' ' -f2 "$results/$which" | median)"
    done
    rm -rf "$results"
    echo "$2 against $3, medians of $runs runs"
    awk -v t="$start_tavrel" -v b="$start_bare" -v l="$start_third" -v n="$2" -v m="$3" -v o="$4" 'BEGIN {
        printf "start-up  %s %6.1f ms   %s %6.1f ms   ratio %.2f\n", n, t, m, b, t / b
        printf "          %s %6.1f ms   ratio %.2f\n", o, l, t / l }'
    awk -v t="$rss_tavrel" -v b="$rss_bare" -v l="$rss_third" -v n="$2" -v m="$3" -v o="$4" 'BEGIN {
        printf "memory    %s %6.0f kB   %s %6.0f kB   ratio %.2f\n", n, t, m, b, t / b
        printf "          %s %6.0f kB   ratio %.2f\n", o, l, t / l }'
}
