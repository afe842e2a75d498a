#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ferrovolt and starts the window: ./scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
./scripts/install_deps.sh
build=${FERROVOLT_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
exe="$build/src/app/ferrovolt"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to open the Ferrovolt window on; try $build/src/cli/ferrovolt-calc --help"
    exit 1
fi
exec "$exe" "$@"
