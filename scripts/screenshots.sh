#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the real window under Xvfb: the splash window and each of the six tabs (after
# pressing its "Calculate" button), the Circuit Check window on the usual and a dark palette,
# the Project window with each sample project on a 1366 x 768 screen,
# and, on a 1920 x 1080 screen at 200 %, as large as that screen leaves it, as PNGs in
# docs/screenshots/. Rerun it after a change
# to the window: ./scripts/screenshots.sh
# Needs xvfb and xauth (xvfb-run uses it); builds ferrovolt-probe when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_BUILD_DIR:-build}
out=${1:-docs/screenshots}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target ferrovolt-probe >/dev/null

# The machine's fonts are hidden but for DejaVu, Debian's default: the window brings its own
# face and must look the same whatever the machine has.
fontconfig=$(mktemp -d)
trap 'rm -rf "$fontconfig"' EXIT
cat >"$fontconfig/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$fontconfig/cache</cachedir>
</fontconfig>
EOF

# The xcb platform on a virtual screen: the same rendering as on a desktop, fonts included.
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 FONTCONFIG_FILE="$fontconfig/fonts.conf" XDG_CONFIG_HOME="$fontconfig/config" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/scripts/probe/ferrovolt-probe" screenshots "$out"
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 FONTCONFIG_FILE="$fontconfig/fonts.conf" XDG_CONFIG_HOME="$fontconfig/config" QT_SCALE_FACTOR=2 \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$build/scripts/probe/ferrovolt-probe" \
    scaled-screenshot "$out"
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 FONTCONFIG_FILE="$fontconfig/fonts.conf" XDG_CONFIG_HOME="$fontconfig/config" \
    xvfb-run -a -s "-screen 0 1366x768x24" "$build/scripts/probe/ferrovolt-probe" \
    project-screenshots "$out" examples
