#include "container_scrambling.h"

void UnscrambleBlock(BYTE* bytes, DWORD count, DWORD key)
{
    for (DWORD at = 0; at + 4 <= count; at += 4) {
        bytes[at] ^= static_cast<BYTE>(key);
        bytes[at + 1] ^= static_cast<BYTE>(key >> 8);
        bytes[at + 2] ^= static_cast<BYTE>(key >> 16);
        bytes[at + 3] ^= static_cast<BYTE>(key >> 24);
    }
}
