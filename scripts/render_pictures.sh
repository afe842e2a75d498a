#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's pictures from their SVG sources in resources/: the icon at the
# hicolor theme sizes, the information sign at 1x and 2x, and hand32.ico.
# The renders are committed; rerun this after changing an SVG. Needs ImageMagick.
set -eu

resources=$(cd "$(dirname "$0")/../resources" && pwd)

# Renders SVG $1 to a square PNG of $2 pixels at $3, with no timestamps, so reruns are identical.
render() {
    convert -background none -density "$(( $2 * 96 / 16 ))" "$1" -resize "$2x$2" \
        -strip -define png:exclude-chunks=date,time "PNG32:$3"
}

for size in 16 22 24 32 48 64 128 256; do
    render "$resources/icons/ferrovolt.svg" "$size" "$resources/icons/ferrovolt_$size.png"
done

render "$resources/pictures/info.svg" 16 "$resources/pictures/info_16.png"
render "$resources/pictures/info.svg" 32 "$resources/pictures/info_32.png"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
render "$resources/cursors/hand32.svg" 32 "$tmp/hand32.png"
convert "$tmp/hand32.png" "$resources/cursors/hand32.ico"
