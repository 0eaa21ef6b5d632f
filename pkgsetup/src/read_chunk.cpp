#include "read_chunk.h"

#include "container_scrambling.h"

DWORD ReadChunk(HANDLE file, BYTE* buffer, DWORD count)
{
    DWORD read = 0;
    if (!ReadFile(file, buffer, count, &read, nullptr)) return 0;
    UnscrambleBlock(buffer, read, read);
    return read;
}
