# SPDX-License-Identifier: GPL-3.0-or-later
# Every target defined in `directory` and the folders below it, into `out`: for the passes
# that give a whole tree of targets a setting by what they are or link (precompiled headers,
# the tests' optimisation), so that a new target gets it without a line of its own.
function(ferrovolt_targets_under directory out)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        ferrovolt_targets_under(${subdirectory} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()
