#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks of an earlier commit and of the current tree, each in its own build
# directory under /tmp, runs both in the same run and prints them side by side.
#   ./scripts/bench_compare.sh [commit] [benchmark filter]
# commit defaults to dc7aebc, the state before the derived tables and the fused rounding.
# Wall-clock figures are the median of five repetitions (CPU time); on a shared machine they
# move by tens of percent, so BENCH_COUNT=instructions counts instructions per call of each
# benchmark's function under callgrind instead (needs valgrind): slower, but the same on
# every run.
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

# The function each benchmark calls once per iteration, for counting instructions per call.
callee() {
    case $1 in
        BM_GaugeArea) echo "ferrovolt::GaugeArea[abi:cxx11](" ;;
        BM_Comparison) echo "ferrovolt::CalcComparison(" ;;
        BM_AnswerRequest*) echo "ferrovolt::BatchAnswerer::answer(" ;;
        BM_CircuitCheck) echo "ferrovolt::checkCircuit(" ;;
        BM_CircuitSheet) echo "answerAndSheet(" ;;
        BM_BatchThroughput*) echo "ferrovolt::runBatch(" ;;
        BM_Schedule*) echo "ferrovolt::runScheduleText(" ;;
        *) echo "ferrovolt::Calc${1#BM_}(" ;;
    esac
}

# Instructions per call of the benchmark's function under callgrind: its inclusive cost
# divided by its calls, summed over its callers (the benchmark's own rounds included).
count_run() {  # bench binary, benchmark name
    local out="$work/callgrind.out"
    valgrind --tool=callgrind --callgrind-out-file="$out" "$1" --benchmark_filter="^${2}\$" \
        --benchmark_min_time=0.3 >/dev/null 2>&1
    callgrind_annotate --inclusive=yes --tree=caller "$out" 2>/dev/null |
        awk -v f="$(callee "$2")" '
            /^$/ { if (found) exit; cost = 0; calls = 0; next }
            / < / { c = $1; gsub(",", "", c); n = $0; sub(/.*\(/, "", n); sub(/x\).*/, "", n);
                    gsub(",", "", n); cost += c; calls += n; next }
            / \* / && index($0, f) { found = 1 }
            END { if (found && calls > 0) printf "%.0f\n", cost / calls; else print "-" }'
}

# name,value per line for one build: the median CPU time in ns, or instructions per iteration.
measure() {  # bench binary
    if [ "$count" = instructions ]; then
        local names
        names=$("$1" --benchmark_list_tests --benchmark_filter="$filter")
        for name in $names; do
            echo "$name,$(count_run "$1" "$name")"
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

unit=$([ "$count" = instructions ] && echo "instructions per call" || echo "ns (CPU, median of 5)")
echo "base $(git rev-parse --short "$base") against the current tree; $unit"
awk -F, 'NR == FNR { base[$1] = $2; next }
         FNR == 1 { printf "%-28s %14s %14s %8s\n", "benchmark", "base", "current", "ratio" }
         { b = ($1 in base) ? base[$1] : "";
           r = (b != "" && $2 > 0) ? sprintf("%.2fx", b / $2) : "-";
           printf "%-28s %14s %14s %8s\n", $1, (b == "" ? "-" : b), $2, r }' \
    "$work/base.csv" "$work/current.csv"
