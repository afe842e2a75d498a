#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the report of each sample project in examples/ into docs/reports/: the PDF on A4,
# the single-line diagram as SVG, and PNGs of the first pages that the README shows. The
# renders are committed; rerun this after changing the report. Needs a build of
# ferrovolt-calc (with the window, which the report's printing comes with) and pdftoppm
# (poppler-utils).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
calc=${1:-"$root/build/src/cli/ferrovolt-calc"}
out="$root/docs/reports"
mkdir -p "$out"

for project in "$root"/examples/*.fvproj; do
    name=$(basename "$project" .fvproj)
    "$calc" project report "$project" -o "$out/$name.pdf" --paper a4 --svg "$out/$name-diagram.svg"
    # The cover, the diagram, the schedule and the first sheet.
    for page in 1 2 3 4; do
        pdftoppm -png -r 60 -f $page -l $page -singlefile "$out/$name.pdf" "$out/$name-$page"
    done
done
