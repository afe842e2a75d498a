#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the real window from inside the process, under Xvfb: process start to the splash
# window painted, the splash window's end to the main window painted, and each "Calculate"
# button from press to labels written. ./scripts/measure_startup.sh [runs]
# Needs xvfb and xauth; builds ferrovolt-probe when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_BUILD_DIR:-build}
runs=${1:-1}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target ferrovolt-probe >/dev/null
probe=$(realpath "$build/scripts/probe/ferrovolt-probe")

# One X server for all runs, so that its own start-up is not counted.
export probe runs
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    for run in $(seq "$runs"); do
        [ "$runs" -gt 1 ] && echo "run $run of $runs"
        # The start time is taken by the shell that then becomes the probe (exec).
        bash -c "exec \"\$0\" measure \"\$(date +%s%N)\"" "$probe"
    done'
