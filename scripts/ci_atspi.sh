#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb with its own D-Bus session and accessibility bus, and
# reads it over AT-SPI as a screen reader would (scripts/atspi/read_result.py): the names of
# an input and the tab headers, and a result with its caption, value and unit after pressing
# "Calculate"; then one answer of the Circuit Check window, its governing row, a list's entry,
# the status line "Copy" announces and a refusal's announcement; then the Project window on
# the office example, its grid read as a table (scripts/atspi/read_project_grid.py). Needs xvfb, at-spi2-core and python3-pyatspi (scripts/install_deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_BUILD_DIR:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target ferrovolt >/dev/null

session=$(mktemp)
trap 'rm -f "$session"' EXIT
cat >"$session" <<'INNER'
set -euo pipefail
program=$1 reader=$2
shift 2
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
# Qt asks the session bus whether accessibility is on; this turns it on without a desktop.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$program" "$@" &
window=$!
status=0
timeout 90 /usr/bin/python3 "$reader" || status=$?
kill "$window" "$launcher" 2>/dev/null || true
wait "$window" "$launcher" 2>/dev/null || true
exit "$status"
INNER

xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$session" "$build/src/app/ferrovolt" scripts/atspi/read_result.py
xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$session" "$build/src/app/ferrovolt" \
    scripts/atspi/read_project_grid.py examples/iec60364-office.fvproj
echo "AT-SPI: the window reads as a screen reader expects"
