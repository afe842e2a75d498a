#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window against another Qt program, measured alike from outside under one
# Xvfb (no window manager) by ferrovolt-startwatch: from the program's start to its first
# top-level window mapped and to that window's first paint (the splash window here, the
# main window of the other), and the peak memory (VmHWM) once the settle time is over (by
# then the main window here has replaced the splash). The two programs take turns, in
# alternating order, after one unmeasured start of each; the summary gives the median and
# the range of each figure and the ratios of the medians.
# Both run in a D-Bus session, as on a desktop: without one, every Qt program's accessibility
# bridge starts dbus-launch and waits for it before its first window, a cost no user sees.
#   ./scripts/startup_against.sh [runs, default 20] [other program, default speedcrunch]
#   STARTWATCH_SETTLE=seconds (default 8) sets when the peak memory is read;
#   STARTWATCH_SESSION_BUS=0 runs them without a session bus.
# Needs xvfb, xauth, dbus-daemon, libxcb-damage0-dev (to build the watch) and the other
# program.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_BUILD_DIR:-build}
runs=${1:-20}
other=${2:-speedcrunch}
settle=${STARTWATCH_SETTLE:-8}
session=()
if [ "${STARTWATCH_SESSION_BUS:-1}" != 0 ]; then session=(dbus-run-session --); fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target ferrovolt ferrovolt-startwatch >/dev/null
ferrovolt=$(realpath "$build/src/app/ferrovolt")
watch=$(realpath "$build/scripts/startwatch/ferrovolt-startwatch")
other=$(command -v "$other")
results=$(mktemp)
trap 'rm -f "$results"' EXIT
export runs ferrovolt other settle watch results

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); session bus: ${session[*]:-none}"
# shellcheck disable=SC2016  # the script runs inside xvfb-run's shell
env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS xvfb-run -a -s "-screen 0 1280x1024x24" \
    "${session[@]}" bash -c '
    set -euo pipefail
    # One line per start: program, run, then the watch figures.
    measure() {
        local name=$1 run=$2; shift 2
        local figures
        figures=$("$watch" "$settle" "$@") || { echo "$name failed in run $run" >&2; return; }
        echo "$name $run $figures" >>"$results"
    }
    "$watch" "$settle" "$ferrovolt" >/dev/null || true
    "$watch" "$settle" "$other" >/dev/null || true
    for run in $(seq "$runs"); do
        if [ $((run % 2)) -eq 1 ]; then
            measure ferrovolt "$run" "$ferrovolt"; measure other "$run" "$other"
        else
            measure other "$run" "$other"; measure ferrovolt "$run" "$ferrovolt"
        fi
    done' 2> >(grep -v "Failed to set fd limit" >&2)
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

# Median, lowest and highest of one column of one program.
summary() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END {
            if (NR == 0) { print "- - -"; exit }
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}
# The per-run ratios of ferrovolt to the other program for one column: median and range.
ratios() {
    awk -v column="$1" '{ value[$1, $2] = $column; seen[$2] = 1 }
        END { for (r in seen) if ((("ferrovolt", r) in value) && (("other", r) in value))
                  printf "%.3f\n", value["ferrovolt", r] / value["other", r] }' "$results" |
        sort -g | awk '{ v[NR] = $1 } END {
            if (NR == 0) { print "- - -"; exit }
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.2f %.2f %.2f\n", m, v[1], v[NR] }'
}

printf '%d runs each; median (lowest-highest)\n' "$(awk '$1 == "ferrovolt"' "$results" | wc -l)"
printf '%-34s %-24s %-24s %-8s %s\n' "" ferrovolt "$(basename "$other")" ratio "per-run ratio"
for row in "3:start -> first window mapped, ms" "4:start -> first window painted, ms" \
    "7:peak memory (VmHWM), KiB"; do
    column=${row%%:*}
    read -r fm flo fhi <<<"$(summary ferrovolt "$column")"
    read -r om olo ohi <<<"$(summary other "$column")"
    read -r rm rlo rhi <<<"$(ratios "$column")"
    printf '%-34s %-24s %-24s %-8s %s\n' "${row#*:}" "$fm ($flo-$fhi)" "$om ($olo-$ohi)" \
        "$(awk -v a="$fm" -v b="$om" 'BEGIN { printf "%.2f", a / b }')" "$rm ($rlo-$rhi)"
done
read -r lm llo lhi <<<"$(summary ferrovolt 5)"
printf 'ferrovolt, start -> main window painted after the splash: %s ms (%s-%s)\n' "$lm" "$llo" "$lhi"
