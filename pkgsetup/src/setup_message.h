// The setup hooks report each failure at once, in a box the user closes.
#pragma once

#include <windows.h>

// TEXT with the caption "QV Installation", no owner, MB_OK.
void ShowSetupError(LPCWSTR text);
