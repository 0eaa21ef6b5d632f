# Runs pocketsim on a script that must fail: exit status 1 and, on stderr,
# SCRIPT:LINE: and the message that the script's first line names after
# "# stops at: ". Each following "# shows: TEXT" line names more text that
# stderr must hold.
# Usage: cmake -DPOCKETSIM=path -DSCRIPT=path -P expect_failure.cmake
file(STRINGS ${SCRIPT} header LIMIT_COUNT 1)
string(REGEX REPLACE "^# stops at: " "" expected "${header}")
file(STRINGS ${SCRIPT} shown REGEX "^# shows: ")
execute_process(COMMAND ${POCKETSIM} run ${SCRIPT} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "expected exit status 1, got ${status}; stderr:\n${errors}")
endif()
foreach(text "${SCRIPT}:${expected}" ${shown})
  string(REGEX REPLACE "^# shows: " "" text "${text}")
  string(FIND "${errors}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected on stderr: ${text}\nfound:\n${errors}")
  endif()
endforeach()
