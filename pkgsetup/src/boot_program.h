// The boot-time program's entry in the boot launch list: it starts after
// the shell at every boot.
#pragma once

#include <windows.h>

// Replaces any entry of the program with one numbered after the highest
// number in use, depending on the shell's when there is a shell. FALSE when
// "init" cannot be opened.
BOOL RegisterBootProgram();

// Deletes every entry of the program, found by its data, under the names
// it was found by.
void UnregisterBootProgram();
