#include <wingdi.h>

#include "gdi/gdi_object_table.h"

BOOL WINAPI DeleteObject(HGDIOBJ hObject)
{
    if (platform::gdi::GdiObjects().Remove(hObject)) return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

int WINAPI GetObjectW(HGDIOBJ hgdiobj, int cbBuffer, LPVOID lpvObject)
{
    const platform::gdi::GdiObject* object = platform::gdi::GdiObjects().Find(hgdiobj);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return object->Describe(cbBuffer, lpvObject);
}
