#include "keyboard_enabled.h"

namespace {

const WCHAR kProductKey[] = TEXT("\\Software\\Tarvex\\Lexovia");
const WCHAR kKeyboardEnabled[] = TEXT("KbdEnabled");

}  // namespace

// The read's result is not tested: the variable starts at 0 and stays so
// when nothing could be read. A shorter value would fill only its low
// bytes, so the size read must be the whole number.
BOOL IsKeyboardEnabled()
{
    HKEY key = NULL;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, 0, &key) != ERROR_SUCCESS) return FALSE;
    DWORD enabled = 0;
    DWORD size = sizeof enabled;
    RegQueryValueExW(key, kKeyboardEnabled, NULL, NULL, reinterpret_cast<LPBYTE>(&enabled), &size);
    RegCloseKey(key);
    return size == sizeof enabled && enabled == 1;
}
