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
# Wall time and processor time (user + system): on a busy machine the second is the steadier figure.
timed() { # label, then the command
    local label=$1 times
    shift
    times=$( { TIMEFORMAT="%R %U %S"; time "$@" > "$work/output" 2> "$work/errors"; } 2>&1 )
    read -r wall user sys <<< "$times"
    awk -v label="$label" -v w="$wall" -v cpu="$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" \
        -v n="$lines" -v bytes="$(stat -c %s "$work/output")" 'BEGIN {
        printf "%-28s %7.3f s wall %7.3f s cpu  %6.3f us/line cpu  %9.0f lines/s  %6.1f MB out\n", label, w, cpu, cpu * 1e6 / n, n / cpu, bytes / 1e6
    }'
}
echo
echo "== corvane-calc over $lines input lines ($(stat -c %s "$work/input") bytes in)"
timed "copying the input (cat)" cat "$work/input"
timed "six results per line" "$calc" < "$work/input"
timed "six rows per line (--rows)" "$calc" --rows < "$work/input"
