# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: Ninja where it is installed (it keeps both cores busy to the
# last link, where make leaves one idle), every core in use. A build folder made earlier with
# another generator keeps it, as CMake wants.
if command -v ninja >/dev/null 2>&1; then
    export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}
fi
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
