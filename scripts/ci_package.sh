#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installation checks of CI, on a built tree: install into a staging prefix and validate
# the desktop entry and the metainfo; build the .deb; install it on this machine with apt-get;
# start both installed programs, the window under Xvfb until its main window shows.
# ./scripts/ci_package.sh [build dir]   (default: $FERROVOLT_BUILD_DIR or build)
# The .deb must pass lintian without errors or warnings.
# Needs desktop-file-utils, appstream, dpkg-dev, lintian, xvfb, xauth, x11-utils, libxml2-utils
# and shared-mime-info.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${FERROVOLT_BUILD_DIR:-build}}")
app_id=example.ferrovolt.Ferrovolt
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
revision=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_RELEASE "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

echo "== Installed tree in a staging prefix"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" >/dev/null
desktop-file-validate "$stage/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/$app_id.metainfo.xml"
xmllint --noout "$stage/share/mime/packages/$app_id.xml"
grep -q '^MimeType=application/x-ferrovolt-project;$' "$stage/share/applications/$app_id.desktop"

echo "== Debian package"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$build/ferrovolt_${version}-${revision}_$(dpkg --print-architecture).deb
dpkg-deb --field "$deb" Package Version Depends
lintian --fail-on error,warning --no-tag-display-limit "$deb"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$deb" >/dev/null

echo "== The installed programs"
[ "$(readlink -f /usr/bin/ferrovolt)" = /usr/lib/ferrovolt/ferrovolt ]
[ -f /usr/lib/ferrovolt/hand32.ico ]
[ "$(/usr/bin/ferrovolt-calc --version)" = "ferrovolt-calc $version" ]
[ "$(/usr/bin/ferrovolt --version)" = "Ferrovolt $version" ]
/usr/bin/ferrovolt-calc drop --current 20 --gauge "10 AWG" | grep -qx "Voltage Drop across Cable : 21.5"
man -w ferrovolt-calc >/dev/null
[ -f "/usr/share/mime/packages/$app_id.xml" ]
# The package manager's trigger has rebuilt the MIME database with the project file's type.
grep -q '^application/x-ferrovolt-project' /usr/share/mime/types
[ -f /usr/share/doc/ferrovolt/copyright ] && [ -f /usr/share/doc/ferrovolt/changelog.Debian.gz ]
[ -f /usr/share/bash-completion/completions/ferrovolt-calc ]
[ -f /usr/share/zsh/vendor-completions/_ferrovolt-calc ]
[ -f /usr/share/fish/vendor_completions.d/ferrovolt-calc.fish ]
./scripts/check_window_starts.sh /usr/bin/ferrovolt
echo "ferrovolt $version: installed from $(basename "$deb"), both programs start"
