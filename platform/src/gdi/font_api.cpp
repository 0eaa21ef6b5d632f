#include <wingdi.h>

#include <memory>

#include "gdi/font.h"
#include "gdi/gdi_object_table.h"
#include "kernel/api_guard.h"

// The face is looked for when text is first drawn or measured with the font.
HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf)
{
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return platform::kernel::Guarded(HFONT{}, [&] {
        return static_cast<HFONT>(platform::gdi::GdiObjects().Add(std::make_unique<platform::gdi::Font>(*lplf)));
    });
}
