#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Ferrovolt builds, tests and packages with; only the
# missing ones, so a second run costs nothing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    ninja-build ccache                             # the generator and the compiler cache
    qt6-base-dev                                   # Widgets, Qt Test, offscreen and xcb plugins
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    nlohmann-json3-dev libcli11-dev
    xvfb xauth x11-utils                           # xauth is only a Recommends of xvfb
    libxcb-damage0-dev                             # ferrovolt-startwatch (startup_against.sh)
    locales                                        # de_DE.UTF-8 for the locale tests
    clang libclang-rt-14-dev clang-format          # libFuzzer, sanitizer runtimes, formatting
    dpkg-dev file                                  # CPack's .deb and its shlibdeps
    desktop-file-utils appstream man-db            # validators for the desktop files
    libxml2-utils shared-mime-info                 # the MIME type's XML checked and taken in
    fonts-liberation2                              # the window's font, built into the program
    at-spi2-core python3-pyatspi dbus-daemon       # the screen reader's view in CI
    lintian                                        # checks the .deb
    poppler-utils                                  # reads the PDF reports back in the tests; check_report.sh
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not make de_DE.UTF-8"
fi
