#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a fresh prefix and checks its layout: the program folder, the
# launchers, the desktop entry, the metainfo, the icons and the manual pages; then moves the
# prefix elsewhere and starts ferrovolt-calc from there.
# Usage: check_installed_tree.sh BUILD_DIR APP_ID VERSION PROGRAM...
set -eu

build=$1
app_id=$2
version=$3
shift 3
programs="$*"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

for program in $programs; do
    [ -x "$prefix/lib/ferrovolt/$program" ] && [ ! -L "$prefix/lib/ferrovolt/$program" ] \
        || fail "lib/ferrovolt/$program is not an executable file"
    link=$(readlink "$prefix/bin/$program" || true)
    [ "$link" = "../lib/ferrovolt/$program" ] || fail "bin/$program is not a relative link into lib/ferrovolt (it is '$link')"
done
[ -f "$prefix/lib/ferrovolt/hand32.ico" ] || fail "hand32.ico is not beside the program"

# Nothing else on the PATH: the program must run from its folder, where hand32.ico is.
extra=$(ls -A "$prefix/bin" | grep -v -x -e ferrovolt -e ferrovolt-calc || true)
[ -z "$extra" ] || fail "unexpected in bin/: $extra"
extra=$(ls -A "$prefix/lib/ferrovolt" | grep -v -x -e ferrovolt -e ferrovolt-calc -e hand32.ico || true)
[ -z "$extra" ] || fail "unexpected in lib/ferrovolt/: $extra"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $app_id.desktop"
[ -f "$metainfo" ] || fail "no metainfo $app_id.metainfo.xml"
grep -q "^Icon=$app_id\$" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -q "^Exec=ferrovolt %f\$" "$desktop" || fail "the desktop entry does not start ferrovolt with the file it opens"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo does not give release $version"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
        || { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
fi

# Each PNG must really have the pixel size of its folder (bytes 16 to 23: width, height).
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ -f "$png" ]; then
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
    else
        fail "no icon at ${size}x${size}"
    fi
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"

# The project file's type, and the desktop entry declaring it.
mime=$prefix/share/mime/packages/$app_id.xml
if [ -f "$mime" ]; then
    grep -q '<mime-type type="application/x-ferrovolt-project">' "$mime" \
        || fail "$app_id.xml does not define application/x-ferrovolt-project"
    grep -q '<glob pattern="\*.fvproj"/>' "$mime" || fail "$app_id.xml does not claim *.fvproj"
    if command -v xmllint >/dev/null; then
        xmllint --noout "$mime" || fail "$app_id.xml is not well-formed XML"
    fi
    if command -v update-mime-database >/dev/null; then
        cp -r "$prefix/share/mime" "$work/mime"
        update-mime-database "$work/mime" >"$work/mime.log" 2>&1 \
            || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
        grep -q '^application/x-ferrovolt-project' "$work/mime/types" \
            || fail "update-mime-database did not take application/x-ferrovolt-project"
    fi
else
    fail "no MIME type $app_id.xml in share/mime/packages"
fi
grep -q '^MimeType=application/x-ferrovolt-project;$' "$desktop" \
    || fail "the desktop entry does not declare application/x-ferrovolt-project"

for page in ferrovolt.1 ferrovolt-calc.1; do
    gzip -t "$prefix/share/man/man1/$page.gz" 2>/dev/null || fail "no compressed manual page $page"
done

# Relocatable: the moved tree still runs.
mv "$prefix" "$work/moved"
answer=$("$work/moved/bin/ferrovolt-calc" --version 2>&1 || true)
[ "$answer" = "ferrovolt-calc $version" ] || fail "the moved ferrovolt-calc answered '$answer'"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed" >&2
    exit 1
fi
echo "installed tree: OK"
