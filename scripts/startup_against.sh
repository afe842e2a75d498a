#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window against another Qt program, measured alike from outside under one
# Xvfb (no window manager): process start to its first top-level window viewable, polled
# with xwininfo about every millisecond, and peak memory (VmHWM) three seconds after start.
#   ./scripts/startup_against.sh [runs] [other program, default speedcrunch]
# Needs xvfb, xauth, x11-utils and the other program; scripts/measure_startup.sh gives the
# window's own timings from inside the process.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FERROVOLT_BUILD_DIR:-build}
runs=${1:-5}
other=${2:-speedcrunch}
ferrovolt=$(realpath "$build/src/app/ferrovolt")
export runs ferrovolt other

# shellcheck disable=SC2016  # the script runs inside xvfb-run's shell
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    # True once any top-level window is viewable.
    viewable() {
        local id
        for id in $(xwininfo -root -children 2>/dev/null | awk "/^ +0x/ { print \$1 }"); do
            xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && return 0
        done
        return 1
    }
    # Milliseconds from start to a viewable window of the process, then its VmHWM in KiB.
    measure() {
        local start pid
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 &
        pid=$!
        until viewable; do sleep 0.001; done
        local shown=$(( ($(date +%s%N) - start) / 1000000 ))
        sleep 3
        local hwm=$(awk "/VmHWM/ { print \$2 }" /proc/$pid/status)
        kill "$pid"; wait "$pid" 2>/dev/null || true
        echo "$shown $hwm"
    }
    for run in $(seq "$runs"); do
        read -r f fm <<<"$(measure "$ferrovolt")"
        read -r o om <<<"$(measure "$other")"
        echo "run $run: ferrovolt ${f} ms ${fm} KiB, $other ${o} ms ${om} KiB, ratio $(awk -v a="$f" -v b="$o" "BEGIN { printf \"%.2f\", a / b }")"
    done'
