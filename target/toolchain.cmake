# The real target: 32-bit x86 Windows, the device's word size and the
# processor of its desktop emulator, built by Debian's mingw-w64 toolchain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LEXOVIA_TARGET_TOOL_PREFIX i686-w64-mingw32-)
set(CMAKE_C_COMPILER ${LEXOVIA_TARGET_TOOL_PREFIX}gcc)
set(CMAKE_CXX_COMPILER ${LEXOVIA_TARGET_TOOL_PREFIX}g++)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
