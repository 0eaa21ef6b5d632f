#include <algorithm>

#include <crtwide.h>

#include "kernel/api_guard.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;

const std::vector<HWND>& SiblingsOf(const Window& window)
{
    static const std::vector<HWND> none;
    if (!window.parent) return Windows().TopLevel();
    std::shared_ptr<Window> parent = Windows().Find(window.parent);
    return parent ? parent->children : none;
}

HWND Neighbour(const Window& window, int step)
{
    const std::vector<HWND>& siblings = SiblingsOf(window);
    auto place = std::find(siblings.begin(), siblings.end(), window.handle);
    if (place == siblings.end()) return nullptr;
    auto index = (place - siblings.begin()) + step;
    if (index < 0 || index >= static_cast<long>(siblings.size())) return nullptr;
    return siblings[static_cast<size_t>(index)];
}

HWND FirstOrLast(const std::vector<HWND>& list, bool first)
{
    if (list.empty()) return nullptr;
    return first ? list.front() : list.back();
}

bool NameMatches(const std::u16string& actual, LPCWSTR wanted)
{
    return !wanted || _wcsicmp(actual.c_str(), wanted) == 0;
}

}  // namespace

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    if (!window) return nullptr;
    switch (uCmd) {
    case GW_CHILD:
        return FirstOrLast(window->children, true);
    case GW_HWNDNEXT:
        return Neighbour(*window, 1);
    case GW_HWNDPREV:
        return Neighbour(*window, -1);
    case GW_HWNDFIRST:
        return FirstOrLast(SiblingsOf(*window), true);
    case GW_HWNDLAST:
        return FirstOrLast(SiblingsOf(*window), false);
    case GW_OWNER:
        return window->owner;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

// nMaxCount counts the terminator; the name is cut to fit, as on the platform.
int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    if (!window) return 0;
    if (!lpClassName || nMaxCount <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    size_t copied = std::min<size_t>(window->className.size(), static_cast<size_t>(nMaxCount - 1));
    std::copy_n(window->className.begin(), copied, lpClassName);
    lpClassName[copied] = 0;
    return static_cast<int>(copied);
}

HWND WINAPI FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName)
{
    for (HWND handle : Windows().TopLevel()) {
        std::shared_ptr<Window> window = Windows().Find(handle);
        if (window && !window->destroying && NameMatches(window->className, lpClassName) &&
            (!lpWindowName || window->text == lpWindowName))
            return handle;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}
