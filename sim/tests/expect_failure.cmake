# Runs pocketsim on a script that must fail: exit status 1 and, on stderr,
# SCRIPT:LINE: and the message that the script's first line names after
# "# stops at: ".
# Usage: cmake -DPOCKETSIM=path -DSCRIPT=path -P expect_failure.cmake
file(STRINGS ${SCRIPT} header LIMIT_COUNT 1)
string(REGEX REPLACE "^# stops at: " "" expected "${header}")
execute_process(COMMAND ${POCKETSIM} run ${SCRIPT} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "expected exit status 1, got ${status}; stderr:\n${errors}")
endif()
string(FIND "${errors}" "${SCRIPT}:${expected}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "expected on stderr: ${SCRIPT}:${expected}\nfound:\n${errors}")
endif()
