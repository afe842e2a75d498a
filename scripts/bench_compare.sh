#!/usr/bin/env bash
# Builds the benchmarks of an earlier commit and of the current tree, each in its own build
# directory under /tmp, runs both in the same run and prints them side by side.
#   ./scripts/bench_compare.sh [commit] [benchmark filter]
# commit defaults to dc7aebc, the state before the derived tables and the fused rounding.
# Wall-clock figures are the median of five repetitions (CPU time); on a shared machine they
# move by tens of percent, so BENCH_COUNT=instructions counts instructions per iteration
# under callgrind instead (needs valgrind): slower, but the same on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-dc7aebc}
filter=${2:-.}
count=${BENCH_COUNT:-time}
work=${BENCH_COMPARE_DIR:-/tmp/ferrovolt-bench-compare}
mkdir -p "$work"

build() {  # source dir, build dir
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DFERROVOLT_GUI=OFF -DFERROVOLT_TESTS=OFF \
        -DFERROVOLT_BENCH=ON -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" \
        >/dev/null
    cmake --build "$2" -j2 --target ferrovolt_bench >"$2.log" 2>&1 || { cat "$2.log"; exit 1; }
}

rm -rf "$work/base-src"
mkdir -p "$work/base-src"
git archive "$base" | tar -x -C "$work/base-src"
build "$work/base-src" "$work/base-build"
build "$PWD" "$work/current-build"

# name,value per line for one build: the median CPU time in ns, or instructions per iteration.
measure() {  # bench binary
    if [ "$count" = instructions ]; then
        local names
        names=$("$1" --benchmark_list_tests --benchmark_filter="$filter")
        for name in $names; do
            local fn=${name%%/*} out="$work/callgrind.out"
            local iterations
            iterations=$(valgrind --tool=callgrind --callgrind-out-file="$out" \
                --toggle-collect="*${fn}*" "$1" --benchmark_filter="^${name}\$" \
                --benchmark_min_time=0.01 --benchmark_format=csv 2>/dev/null |
                awk -F, -v n="\"$name\"" '$1 == n { print $2 }')
            local ir
            ir=$(callgrind_annotate "$out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
            echo "$name,$((ir / iterations))"
        done
    else
        "$1" --benchmark_filter="$filter" --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
            awk -F, '$1 ~ /_median"$/ { n = $1; gsub(/"|_median/, "", n);
                     t = $4; u = $5; gsub(/"/, "", u);
                     if (u == "us") t *= 1e3; if (u == "ms") t *= 1e6; if (u == "s") t *= 1e9;
                     printf "%s,%.0f\n", n, t }'
    fi
}

measure "$work/base-build/bench/ferrovolt_bench" >"$work/base.csv"
measure "$work/current-build/bench/ferrovolt_bench" >"$work/current.csv"

unit=$([ "$count" = instructions ] && echo "instructions" || echo "ns (CPU, median of 5)")
echo "base $(git rev-parse --short "$base") against the current tree; $unit"
awk -F, 'NR == FNR { base[$1] = $2; next }
         FNR == 1 { printf "%-28s %14s %14s %8s\n", "benchmark", "base", "current", "ratio" }
         { b = ($1 in base) ? base[$1] : "";
           r = (b != "" && $2 > 0) ? sprintf("%.2fx", b / $2) : "-";
           printf "%-28s %14s %14s %8s\n", $1, (b == "" ? "-" : b), $2, r }' \
    "$work/base.csv" "$work/current.csv"
