# SPDX-License-Identifier: GPL-3.0-or-later
# Every build compiles through ccache where it is installed, so that a second build of the
# same sources (another build type of CI, a fresh clone, a branch switched back) takes the
# objects from the cache instead of compiling them again. The cache lives outside the clone
# (ccache's own folder); paths are taken relative to the source folder and the build folder
# is left out of the hash, so clones in different folders share what they compiled.
# Precompiled headers are cached too: their time stamps and the time macros are left out of
# what decides a hit, as ccache asks for them.
# -DFERROVOLT_CCACHE=OFF, or a launcher of one's own, turns it off.
option(FERROVOLT_CCACHE "Compile through ccache where it is installed" ON)
if(FERROVOLT_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(FERROVOLT_CCACHE_PROGRAM ccache)
    if(FERROVOLT_CCACHE_PROGRAM)
        set(CMAKE_CXX_COMPILER_LAUNCHER
            ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=1
            CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            ${FERROVOLT_CCACHE_PROGRAM})
    endif()
endif()

# Files compiled in batches are included by their absolute paths, which __FILE__ (in GoogleTest's
# and Qt Test's failure messages) then carries into the object, so that another clone would
# compile them again. The source folder is taken off the front of those names: a failure names
# the file from the top of the tree, in every build alike.
add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)
