#!/usr/bin/env bash
# Engine speed: builds the engine benchmark and corvane-calc in release mode, runs the benchmark,
# then times corvane-calc over 1,000,000 generated input lines. Prints figures; asserts nothing.
#   bench/engine.sh [benchmark options]   (BENCH_LINES=N for another line count, BENCH_BUILD_DIR=DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
lines=${BENCH_LINES:-1000000}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target bench_engine corvane-calc >/dev/null

echo "== engine (one calculation = both operands parsed, six modes, six rows)"
"$build/bench/engine/bench_engine" --benchmark_min_time=1 --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every operator in turn; operands spread over the whole day, drop-frame minutes included.
awk -v n="$lines" 'BEGIN {
    ops = "+-x/%~"
    for (i = 0; i < n; ++i) {
        op = substr(ops, i % 6 + 1, 1)
        if (op == "%")
            first = sprintf("%d.%d", i % 200, i % 10)
        else
            first = sprintf("%02d:%02d:%02d:%02d", i % 24, (i * 7) % 60, (i * 13) % 60, (i * 17) % 30)
        printf "%s %s %02d:%02d:%02d:%02d\n", first, op, (i * 5) % 24, (i * 11) % 60, (i * 3) % 60, (i * 19) % 30
    }
}' > "$work/input"

calc="$build/cli/corvane-calc"
run() { # label, then corvane-calc options
    local label=$1
    shift
    local start end
    start=$(date +%s.%N)
    "$calc" "$@" < "$work/input" > "$work/output"
    end=$(date +%s.%N)
    awk -v label="$label" -v s="$start" -v e="$end" -v n="$lines" -v bytes="$(stat -c %s "$work/output")" 'BEGIN {
        t = e - s
        printf "%-26s %8.3f s  %8.3f us/line  %10.0f lines/s  %7.1f MB out (%6.1f MB/s)\n", label, t, t * 1e6 / n, n / t, bytes / 1e6, bytes / 1e6 / t
    }'
}
echo
echo "== corvane-calc over $lines input lines ($(stat -c %s "$work/input") bytes in)"
start=$(date +%s.%N)
cat "$work/input" > "$work/copy"
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "%-26s %8.3f s\n", "copying the input (cat)", e - s }'
run "six results per line"
run "six rows per line (--rows)" --rows
