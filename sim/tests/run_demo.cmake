# Runs pocketsim's demo in the current folder: it must pass, and the
# transcript it leaves in pocketsim-demo/ must be what it printed.
# Usage: cmake -DPOCKETSIM=path -P run_demo.cmake
execute_process(COMMAND ${POCKETSIM} RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the demo failed with status ${status}:\n${errors}")
endif()
file(READ pocketsim-demo/transcript.txt kept)
if(NOT kept STREQUAL printed)
  message(FATAL_ERROR "pocketsim-demo/transcript.txt differs from what the demo printed")
endif()
if(NOT EXISTS pocketsim-demo/device)
  message(FATAL_ERROR "the demo left no device image in pocketsim-demo/device")
endif()
