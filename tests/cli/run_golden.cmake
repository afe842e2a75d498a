# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one golden case (see CMakeLists.txt) and fails on any difference.
file(STRINGS ${CASE}.args arguments)
set(input_option)
if(EXISTS ${CASE}.stdin)
    set(input_option INPUT_FILE ${CASE}.stdin)
endif()
execute_process(COMMAND ${PROGRAM} ${arguments} ${input_option}
                OUTPUT_VARIABLE actual_stdout ERROR_VARIABLE actual_stderr
                RESULT_VARIABLE actual_status)

set(expected_status 0)
if(EXISTS ${CASE}.status)
    file(STRINGS ${CASE}.status expected_status)
endif()
set(expected_stderr "")
if(EXISTS ${CASE}.stderr)
    file(READ ${CASE}.stderr expected_stderr)
endif()
file(READ ${CASE}.stdout expected_stdout)
# A case written for the "outputs" of an answer leaves its "rows" out.
if(NOT expected_stdout MATCHES "\"rows\":")
    string(REGEX REPLACE ",\"rows\":\\[[^]]*\\]" "" actual_stdout "${actual_stdout}")
endif()

if(NOT actual_status STREQUAL expected_status)
    message(SEND_ERROR "exit status ${actual_status}, expected ${expected_status}")
endif()
if(NOT actual_stdout STREQUAL expected_stdout)
    message(SEND_ERROR "standard output differs.\n--- got:\n${actual_stdout}--- expected:\n${expected_stdout}")
endif()
if(NOT actual_stderr STREQUAL expected_stderr)
    message(SEND_ERROR "standard error differs.\n--- got:\n${actual_stderr}--- expected:\n${expected_stderr}")
endif()
