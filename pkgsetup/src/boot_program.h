// The boot-time program's entry in the boot launch list: it starts after
// the shell at every boot.
#pragma once

#include <windows.h>

// Replaces any entry of the program with one numbered after the highest
// number in use, depending on the shell's. FALSE when "init" cannot be
// opened.
BOOL RegisterBootProgram();

// Deletes the program's entry, found by its data; the names it deletes
// carry no leading zero.
void UnregisterBootProgram();
