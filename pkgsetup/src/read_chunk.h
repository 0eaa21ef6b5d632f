// Reading a scrambled block of a container.
#pragma once

#include <windows.h>

// Reads up to COUNT bytes of FILE into BUFFER and unscrambles them as a
// block of the length actually read, which it returns (0 on a failed read).
DWORD ReadChunk(HANDLE file, BYTE* buffer, DWORD count);
