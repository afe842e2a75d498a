#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ferrovolt and runs every test: ./scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
started=$SECONDS
trap 'echo "test.sh: $((SECONDS - started)) s in all"' EXIT
./scripts/install_deps.sh
build=${FERROVOLT_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROVOLT_WERROR=ON
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
