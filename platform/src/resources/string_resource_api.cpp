#include <winuser.h>

#include <algorithm>

#include "kernel/api_guard.h"
#include "resources/module_resource.h"
#include "resources/string_table.h"

// The platform's read-only-pointer forms (no buffer, or a size of 0) cannot
// hand a pointer back through an int on this host: they fail with
// ERROR_INVALID_PARAMETER and write nothing.
int WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax)
{
    if (!lpBuffer || cchBufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    lpBuffer[0] = 0;
    return platform::kernel::Guarded(0, [&] {
        const platform::resources::ResourceRecord* block = platform::resources::FindModuleResource(
            hInstance, MAKEINTRESOURCEW(platform::resources::StringBlockName(uID)), RT_STRING);
        if (!block) return 0;
        std::optional<std::u16string> text = platform::resources::StringFromBlock(block->data, uID);
        if (!text) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return 0;
        }
        size_t copied = std::min<size_t>(text->size(), static_cast<size_t>(cchBufferMax) - 1);
        std::copy_n(text->data(), copied, lpBuffer);
        lpBuffer[copied] = 0;
        return static_cast<int>(copied);
    });
}
