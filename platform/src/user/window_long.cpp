#include <cstring>
#include <optional>

#include "user/user_state.h"

namespace {

using namespace platform::user;

// The LONG pair reads and writes 4 bytes, the Ptr pair a pointer's worth.
std::optional<LONG_PTR> ReadExtra(const Window& window, int index, size_t width)
{
    if (index < 0 || static_cast<size_t>(index) + width > window.extraBytes.size()) return std::nullopt;
    if (width == sizeof(LONG)) {
        LONG value;
        std::memcpy(&value, &window.extraBytes[index], sizeof value);
        return value;
    }
    LONG_PTR value;
    std::memcpy(&value, &window.extraBytes[index], sizeof value);
    return value;
}

void WriteExtra(Window& window, int index, size_t width, LONG_PTR value)
{
    LONG narrow = static_cast<LONG>(value);
    std::memcpy(&window.extraBytes[index], width == sizeof(LONG) ? static_cast<void*>(&narrow) : &value, width);
}

std::optional<LONG_PTR> Read(const Window& window, int index, size_t width)
{
    switch (index) {
    case GWL_STYLE:
        return window.style;
    case GWL_EXSTYLE:
        return window.exStyle;
    case GWL_USERDATA:
        return window.userData;
    case GWL_ID:
        return window.id;
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window.procedure);
    default:
        return ReadExtra(window, index, width);
    }
}

// Writing WS_VISIBLE through GWL_STYLE changes the bit alone: no message.
void Write(Window& window, int index, size_t width, LONG_PTR value)
{
    switch (index) {
    case GWL_STYLE:
        window.style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window.exStyle = static_cast<DWORD>(value);
        break;
    case GWL_USERDATA:
        window.userData = value;
        break;
    case GWL_ID:
        window.id = value;
        break;
    case GWL_WNDPROC:
        window.procedure = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        WriteExtra(window, index, width, value);
    }
}

// Answers the slot's value before any change; 0 with the platform's error
// for a window or slot that does not exist.
LONG_PTR Access(HWND handle, int index, size_t width, std::optional<LONG_PTR> newValue)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    std::optional<LONG_PTR> previous;
    if (index != GWL_WNDPROC || width >= sizeof(WNDPROC)) previous = Read(*window, index, width);
    if (!previous) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    if (newValue) Write(*window, index, width, *newValue);
    return *previous;
}

}  // namespace

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex)
{
    return static_cast<LONG>(Access(hWnd, nIndex, sizeof(LONG), std::nullopt));
}

LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return static_cast<LONG>(Access(hWnd, nIndex, sizeof(LONG), dwNewLong));
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex)
{
    return Access(hWnd, nIndex, sizeof(LONG_PTR), std::nullopt);
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    return Access(hWnd, nIndex, sizeof(LONG_PTR), dwNewLong);
}
