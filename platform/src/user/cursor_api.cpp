// The system's cursors. Each is one process-wide object, so every load of
// the same name answers the same handle, as on the platform.
#include <device/cursor.h>
#include <winuser.h>

#include "user/user_state.h"

namespace {

using platform::user::Input;

struct SystemCursor {
    WORD id;
    const char* name;
};

const SystemCursor kSystemCursors[] = {
    {32512, "IDC_ARROW"},
    {32514, "IDC_WAIT"},
};

HCURSOR HandleOf(const SystemCursor& cursor)
{
    return reinterpret_cast<HCURSOR>(const_cast<SystemCursor*>(&cursor));
}

const SystemCursor* FindCursor(HCURSOR handle)
{
    for (const SystemCursor& cursor : kSystemCursors)
        if (HandleOf(cursor) == handle) return &cursor;
    return nullptr;
}

bool IsIntegerName(LPCWSTR name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

}  // namespace

// The product's libraries carry no cursors of their own, so a cursor asked
// of a module is never found there.
HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    if (hInstance) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    if (IsIntegerName(lpCursorName)) {
        WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(lpCursorName));
        for (const SystemCursor& cursor : kSystemCursors)
            if (cursor.id == id) return HandleOf(cursor);
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor)
{
    if (hCursor && !FindCursor(hCursor)) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return nullptr;
    }
    HCURSOR previous = Input().cursor;
    Input().cursor = hCursor;
    return previous;
}

namespace device {

std::string CurrentCursor()
{
    const SystemCursor* cursor = FindCursor(Input().cursor);
    return cursor ? cursor->name : "";
}

}  // namespace device
