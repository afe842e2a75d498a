#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# replays the committed corpus, then fuzzes each target for a bounded time.
#   FUZZ_SECONDS=60 ./scripts/ci_fuzz.sh            every target, 60 s each (the default)
#   FUZZ_SECONDS=600 ./scripts/ci_fuzz.sh fuzz_calc  one target, longer
# Fails on any finding; prints executions and features covered per target.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
root=$PWD
seconds=${FUZZ_SECONDS:-60}
build=${FERROVOLT_FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_number_text fuzz_gauge_area fuzz_calc fuzz_batch fuzz_schedule fuzz_project)

# The whole build gets coverage instrumentation (fuzzer-no-link), so the fuzzers are
# guided by the branches of the core, not only by their own; only the fuzz executables
# link the libFuzzer driver.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFERROVOLT_FUZZ=ON -DFERROVOLT_GUI=OFF -DFERROVOLT_TESTS=OFF -DFERROVOLT_WERROR=ON \
    -DFERROVOLT_SANITIZE=address,undefined -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# libFuzzer runs one process on one core: the targets run side by side, as many at once as there
# are cores, each for its full time. Each writes its report to a file; the reports are printed in
# the targets' order when all are done.
parallel=${FUZZ_JOBS:-$(nproc)}
reports=$build/fuzz-reports
rm -rf "$reports"
mkdir -p "$reports"

fuzz_one() {
    local target=$1
    local seeds=$root/fuzz/corpus/$target
    local work=$build/fuzz-work/$target
    local artifacts=$build/fuzz-artifacts/$target
    local log=$build/fuzz-logs/$target.log
    local report=$reports/$target
    # New inputs go to a work corpus outside the repository; the committed seeds stay as they are.
    mkdir -p "$work" "$artifacts" "$(dirname "$log")"
    rm -f "$artifacts"/*
    echo "== $target: replaying $(ls "$seeds" | wc -l) committed inputs, then ${seconds} s of fuzzing" >"$report"
    local status=0
    "$build/fuzz/$target" -runs=0 "$seeds" >"$log" 2>&1 || status=$?
    if [ $status -eq 0 ]; then
        "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -dict="$root/fuzz/dict/ferrovolt.dict" -artifact_prefix="$artifacts/" \
            -print_final_stats=1 "$work" "$seeds" >>"$log" 2>&1 || status=$?
    fi
    local runs done_line cov ft line
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)
    cov=$(echo "$done_line" | grep -o 'cov: [0-9]*' | grep -o '[0-9]*' || true)
    ft=$(echo "$done_line" | grep -o 'ft: [0-9]*' | grep -o '[0-9]*' || true)
    line=$(printf '%-18s executions %10s   edges %6s   features %6s' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}")
    if [ $status -ne 0 ] || ls "$artifacts"/* >/dev/null 2>&1; then
        line="$line   FINDING (log: $log)"
        { grep -E -A2 'property broken|ERROR: |SUMMARY' "$log" | head -20 || true
          ls "$artifacts"/* 2>/dev/null || true; } >>"$report"
    fi
    echo "$line" >>"$report"
    echo "$line" >"$report.line"
}

for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
        wait -n || true
    done
    fuzz_one "$target" &
done
wait

failed=0
summary=""
for target in "${targets[@]}"; do
    cat "$reports/$target"
    line=$(cat "$reports/$target.line" 2>/dev/null || echo "$target   FINDING (no report)")
    case $line in *FINDING*) failed=1 ;; esac
    summary+="$line"$'\n'
done
echo "== Fuzzing summary (${seconds} s per target, ${parallel} at a time)"
printf '%s' "$summary"
exit $failed
