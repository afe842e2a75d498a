#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one-definition rule across the whole program: builds the installed programs with
# link-time optimisation, where GCC sees every translation unit at once and reports two
# different definitions of one name (-Wodr) or of one symbol's type (-Wlto-type-mismatch).
# Either is an error here. Only the programs are built, not the tests, to keep it cheap.
#   ./scripts/ci_odr.sh          (the build lands in $FERROVOLT_ODR_BUILD_DIR or build-odr)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_ODR_BUILD_DIR:-build-odr}
odr="-flto=auto -Wodr -Wlto-type-mismatch -Werror=odr -Werror=lto-type-mismatch"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DFERROVOLT_WERROR=ON -DFERROVOLT_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$odr" -DCMAKE_EXE_LINKER_FLAGS="$odr" >/dev/null
cmake --build "$build" --target ferrovolt ferrovolt-calc ferrovolt-completions
echo "One definition per name across ferrovolt, ferrovolt-calc and ferrovolt-completions"
