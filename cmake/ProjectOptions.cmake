# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and sanitizers, applied to our own targets through this interface library.
add_library(ferrovolt_options INTERFACE)
target_compile_options(ferrovolt_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual
    $<$<BOOL:${FERROVOLT_WERROR}>:-Werror>)

# Builds with debug information keep its line tables only (-g1): a backtrace, the sanitizers'
# reports and a profile still name the file and line, while the types and variables of full
# information cost a third of an optimised compile (nec2023_check.cpp 3.8 s against 2.5 s;
# the precompiled Qt headers grow by a fifth). FERROVOLT_FULL_DEBUG_INFO=ON keeps all of it,
# for a debugger's look at variables.
option(FERROVOLT_FULL_DEBUG_INFO "Full debug information where the build type has any" OFF)
if(NOT FERROVOLT_FULL_DEBUG_INFO)
    target_compile_options(ferrovolt_options INTERFACE $<$<CONFIG:Debug,RelWithDebInfo>:-g1>)
endif()
if(FERROVOLT_SANITIZE)
    target_compile_options(ferrovolt_options INTERFACE
        -fsanitize=${FERROVOLT_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(ferrovolt_options INTERFACE -fsanitize=${FERROVOLT_SANITIZE})
endif()

# Hardening of optimised builds, as Debian builds its packages: checked buffer functions,
# stack protection, and relocations read-only and bound at start.
if(NOT FERROVOLT_SANITIZE AND NOT FERROVOLT_FUZZ)
    set(hardened $<NOT:$<CONFIG:Debug>>)
    target_compile_options(ferrovolt_options INTERFACE
        $<${hardened}:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong>)
    target_link_options(ferrovolt_options INTERFACE
        $<${hardened}:LINKER:-z,relro LINKER:-z,now>)
endif()
