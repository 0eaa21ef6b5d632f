# Runs pocketsim's demo in the current folder: it must pass, the transcript
# it leaves in pocketsim-demo/ must be what it printed, and what it printed
# after that must say where the transcript is.
# Usage: cmake -DPOCKETSIM=path -P run_demo.cmake
execute_process(COMMAND ${POCKETSIM} RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the demo failed with status ${status}:\n${errors}")
endif()
file(READ pocketsim-demo/transcript.txt kept)
string(LENGTH "${kept}" kept_length)
string(SUBSTRING "${printed}" 0 ${kept_length} printed_transcript)
string(SUBSTRING "${printed}" ${kept_length} -1 printed_after)
if(NOT kept STREQUAL printed_transcript)
  message(FATAL_ERROR "pocketsim-demo/transcript.txt differs from what the demo printed")
endif()
if(NOT printed_after MATCHES "The transcript is in [^\n]*/pocketsim-demo/transcript.txt")
  message(FATAL_ERROR "the demo did not say where its transcript is; it ended with:\n${printed_after}")
endif()
if(NOT EXISTS pocketsim-demo/device)
  message(FATAL_ERROR "the demo left no device image in pocketsim-demo/device")
endif()
