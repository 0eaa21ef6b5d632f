// The interface-file containers store every block of n bytes with each of
// its complete 32-bit little-endian words exclusive-or'ed with n; the last
// n mod 4 bytes are stored as they are. The operation undoes itself.
#pragma once

#include <windows.h>

// Exclusive-ors each complete word of the COUNT bytes with KEY. A block
// read in pieces keeps its own length as the key, each piece but the last
// a whole number of words.
void UnscrambleBlock(BYTE* bytes, DWORD count, DWORD key);
