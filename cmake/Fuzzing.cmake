# Instrumentation for the fuzz build. The sanitizer runtime is the shared
# one: the platform and the product libraries are shared libraries linked
# with --no-undefined, which the static runtime would leave undefined.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "LEXOVIA_FUZZ needs clang (CC=clang CXX=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
                    -shared-libsan)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-x86_64.so
                OUTPUT_VARIABLE LEXOVIA_ASAN_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(LEXOVIA_SANITIZER_FOLDER ${LEXOVIA_ASAN_RUNTIME} DIRECTORY)
add_link_options(-fsanitize=address,undefined -shared-libsan -Wl,-rpath,${LEXOVIA_SANITIZER_FOLDER})
# Light optimisation and line tables only: the instrumented build stays
# quick to compile and its reports still name every line.
set(CMAKE_C_FLAGS_RELWITHDEBINFO "-O1 -gline-tables-only")
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -gline-tables-only")
