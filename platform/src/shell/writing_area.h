// What the letter recogniser's panel shows: a bordered writing area with a
// baseline to write on.
#pragma once

#include <windef.h>

namespace platform::shell {

LRESULT CALLBACK WritingAreaProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::shell
