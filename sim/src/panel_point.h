// Points given in the input panel's client coordinates, as scripts write them.
#pragma once

#include <windef.h>

#include "parsed.h"

// The screen point under (X, Y) of the shown input panel; fails when the
// panel is hidden.
Parsed<POINT> ScreenPointOnPanel(int x, int y);
