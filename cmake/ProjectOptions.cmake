# Warnings and sanitizers, applied to our own targets through this interface library.
add_library(ferrovolt_options INTERFACE)
target_compile_options(ferrovolt_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual
    $<$<BOOL:${FERROVOLT_WERROR}>:-Werror>)
if(FERROVOLT_SANITIZE)
    target_compile_options(ferrovolt_options INTERFACE
        -fsanitize=${FERROVOLT_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(ferrovolt_options INTERFACE -fsanitize=${FERROVOLT_SANITIZE})
endif()
