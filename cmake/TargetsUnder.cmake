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

# The files automoc reads for `target`, into `out`: the headers among its sources and those
# beside its `.cpp` files (automoc's own rule), and the `.cpp` files themselves, whose classes
# are included as "name.moc". Into `headers_out` the headers alone.
function(ferrovolt_moc_inputs target out headers_out)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(files)
    set(headers)
    foreach(source IN LISTS sources)
        if(source MATCHES "^\\$<")
            continue()
        endif()
        if(NOT IS_ABSOLUTE ${source})
            set(source ${source_dir}/${source})
        endif()
        if(source MATCHES "\\.(h|hpp)$")
            list(APPEND headers ${source})
        elseif(source MATCHES "\\.(cpp|cxx|cc)$")
            list(APPEND files ${source})
            string(REGEX REPLACE "\\.[^.]*$" "" stem ${source})
            foreach(beside IN ITEMS ${stem}.h ${stem}.hpp)
                if(EXISTS ${beside})
                    list(APPEND headers ${beside})
                endif()
            endforeach()
        endif()
    endforeach()
    list(APPEND files ${headers})
    set(${out} ${files} PARENT_SCOPE)
    set(${headers_out} ${headers} PARENT_SCOPE)
endfunction()

# Whether any of `files` declares a class moc must read, into `out`; a file not there yet (one
# the build generates) counts as declaring one.
function(ferrovolt_declares_qt_class files out)
    foreach(file IN LISTS files)
        if(NOT EXISTS ${file})
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        file(STRINGS ${file} declared REGEX "Q_(OBJECT|GADGET|NAMESPACE)")
        if(declared)
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# Automoc, on for every target where Qt is found, runs moc's scan as a step of its own before
# the target's first compile, and that step waits for every library the target links to be
# built: a test's files could not start compiling until the libraries under it were archived,
# and each such target compiled an empty `mocs_compilation.cpp` besides. This turns automoc
# (and autouic, without a `.ui` file) off for every target under `directory` that declares no
# Qt class, so that a new target gets it without a line of its own.
function(ferrovolt_automoc_where_needed directory)
    ferrovolt_targets_under(${directory} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
            continue()
        endif()
        get_target_property(automoc ${target} AUTOMOC)
        if(NOT automoc)
            continue()
        endif()
        ferrovolt_moc_inputs(${target} files headers)
        ferrovolt_declares_qt_class("${files}" declared)
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.ui$")
        if(NOT declared AND NOT sources)
            set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF)
        endif()
    endforeach()
endfunction()

# A target with automoc compiles one more file, `mocs_compilation.cpp`, the moc output of its
# headers; for a target whose classes are all in its `.cpp` files (a window test's, included as
# "name.moc") it is empty. Compiled with the precompiled Qt header it still reads that header
# in, about 1.5 s of an empty file. This leaves the header out of it where no header automoc
# would read declares a Qt class.
function(ferrovolt_skip_pch_of_empty_moc target)
    get_target_property(automoc ${target} AUTOMOC)
    if(NOT automoc)
        return()
    endif()
    ferrovolt_moc_inputs(${target} files headers)
    ferrovolt_declares_qt_class("${headers}" declared)
    if(declared)
        return()
    endif()
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
