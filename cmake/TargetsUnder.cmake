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

# A target with automoc compiles one more file, `mocs_compilation.cpp`, the moc output of its
# headers; for a target whose classes are all in its `.cpp` files (a window test's, included as
# "name.moc") it is empty. Compiled with the precompiled Qt header it still reads that header
# in, about 1.5 s of an empty file. This leaves the header out of it where no header automoc
# would read declares a Qt class: the headers among the target's sources and those beside its
# `.cpp` files, which automoc reads too.
function(ferrovolt_skip_pch_of_empty_moc target)
    get_target_property(automoc ${target} AUTOMOC)
    if(NOT automoc)
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(binary_dir ${target} BINARY_DIR)
    foreach(source IN LISTS sources)
        if(NOT IS_ABSOLUTE ${source})
            set(source ${source_dir}/${source})
        endif()
        if(source MATCHES "\\.(h|hpp)$")
            set(headers ${source})
        else()
            string(REGEX REPLACE "\\.[^.]*$" "" stem ${source})
            set(headers ${stem}.h ${stem}.hpp)
        endif()
        foreach(header IN LISTS headers)
            if(EXISTS ${header})
                file(STRINGS ${header} declared REGEX "Q_(OBJECT|GADGET|NAMESPACE)")
                if(declared)
                    return()
                endif()
            endif()
        endforeach()
    endforeach()
    set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
