#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Circuit Check window's PDF sheet for the safety case, checks that each of its
# pages is numbered out of the whole, and renders the pages to PNG so that a person can look
# at them:
#   ./scripts/check_report.sh [TEST_PROGRAM [FOLDER]]
# Needs poppler-utils (pdfinfo, pdftoppm); builds test_circuit_window when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_defaults.sh
build=${FERROVOLT_BUILD_DIR:-build}
program=${1:-}
out=${2:-$build/report}

if [ -z "$program" ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target test_circuit_window >/dev/null
    program="$build/tests/circuit_window/test_circuit_window"
fi
mkdir -p "$out"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" --report "$out/circuit-check.pdf"

pages=$(pdfinfo "$out/circuit-check.pdf" | awk '/^Pages:/ {print $2}')
if [ -z "$pages" ] || [ "$pages" -lt 1 ]; then
    echo "check_report: the sheet has no pages" >&2
    exit 1
fi
pdftoppm -png -r 80 "$out/circuit-check.pdf" "$out/circuit-check"
# The sheet must carry its text, not just a page: the edition, the statement, and on every
# page its number out of the whole.
text=$(pdftotext "$out/circuit-check.pdf" -)
expected_texts=("NEC 2023" "governs" "does not replace" "Table 310.16")
for ((page = 1; page <= pages; page++)); do expected_texts+=("Page $page of $pages"); done
for expected in "${expected_texts[@]}"; do
    if ! grep -q "$expected" <<<"$text"; then
        echo "check_report: the sheet lacks \"$expected\"" >&2
        exit 1
    fi
done
ls "$out"/circuit-check-*.png
