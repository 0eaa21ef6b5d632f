#include <winuser.h>

#include "user/work_area.h"

// Only the work area is answered here; the input panel's actions belong to
// the shell's SHSipInfo.
BOOL WINAPI SystemParametersInfoW(UINT uiAction, UINT, PVOID pvParam, UINT)
{
    if (uiAction != SPI_GETWORKAREA || !pvParam) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(pvParam) = platform::user::WorkArea();
    return TRUE;
}
