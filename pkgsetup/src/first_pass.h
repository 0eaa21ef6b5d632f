// The record of a removal's first pass: the restart program's launch number
// in the product key, from before the restart until the second pass.
#pragma once

#include <windows.h>

// TRUE when "FirstPass" = NUMBER was written.
BOOL WriteFirstPass(DWORD number);

// The recorded number, deleted as it is read; 0 when there is none.
DWORD TakeFirstPass();
