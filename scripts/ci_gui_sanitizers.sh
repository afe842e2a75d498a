#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything, the window included, with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test with LeakSanitizer on: ./scripts/ci_gui_sanitizers.sh
# Only known leaks of the libraries under Qt are suppressed, each one named and explained in
# tests/support/sanitizers/lsan_qt.supp. The benchmarks and ferrovolt-probe, which the test
# command leaves out, are built here too, so that they keep compiling; they are not run.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
root=$PWD
build=${FERROVOLT_GUI_ASAN_BUILD_DIR:-$root/build-gui-asan}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DFERROVOLT_WERROR=ON \
    -DFERROVOLT_SANITIZE=address,undefined -DFERROVOLT_BENCH=ON >/dev/null
cmake --build "$build" --target all ferrovolt-probe

export QT_QPA_PLATFORM=offscreen
# LeakSanitizer learns of blocks of dynamic thread-local storage from the dynamic linker's own
# allocations, which it scans, rather than by intercepting __tls_get_addr: with GCC 12's
# runtime under glibc 2.36 that interception records ranges that are not memory, and the
# leak check at exit then crashes ("Tracer caught signal 11") in about half the runs of a
# window test, by the size of the environment.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$root/tests/support/sanitizers/lsan_qt.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$build" --output-on-failure -j2
echo "== Every test above ran under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
