#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window program on a virtual X screen and waits until its main window (caption
# "Ferrovolt 2.0") is on the screen, which follows the six-second splash window; then ends
# it. For checking an installed program: ./scripts/check_window_starts.sh /usr/bin/ferrovolt
# Needs xvfb, xauth and x11-utils (xwininfo).
set -euo pipefail
program=${1:-ferrovolt}
limit=${2:-30}
export program limit

env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    started=$(date +%s%N)
    "$program" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq $((limit * 10))); do
        if xwininfo -root -tree | grep -q "\"Ferrovolt 2.0\""; then
            echo "$program: main window on the screen $(( ($(date +%s%N) - started) / 1000000 )) ms after the start"
            exit 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            echo "$program: ended with status $status before its main window appeared" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "$program: no main window within $limit s" >&2
    exit 1'
