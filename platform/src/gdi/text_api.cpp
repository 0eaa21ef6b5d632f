#include <wingdi.h>

#include <string_view>
#include <vector>

#include "gdi/gdi_object_table.h"
#include "gdi/selected_face.h"
#include "gdi/text_run.h"
#include "kernel/api_guard.h"

namespace {

using namespace platform::gdi;

// The platform gives one advance per UTF-16 unit; a surrogate pair's two
// advances make its character's one.
std::vector<int> AdvancesPerCharacter(std::u16string_view text, const int* perUnit)
{
    std::vector<int> advances;
    for (size_t at = 0; at < text.size(); ++at) {
        bool pair = text[at] >= 0xD800 && text[at] <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
                    text[at + 1] <= 0xDFFF;
        advances.push_back(pair ? perUnit[at] + perUnit[at + 1] : perUnit[at]);
        if (pair) ++at;
    }
    return advances;
}

BOOL WriteText(HDC hdc, POINT at, UINT options, const RECT* rect, std::u16string_view units, const int* perUnit)
{
    DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return FALSE;
    Canvas canvas = context->Target();
    const ContextColours& colours = context->Colours();
    if ((options & ETO_OPAQUE) && rect) FillSolid(canvas, *rect, colours.background);
    if (units.empty()) return TRUE;
    TypeFace* face = SelectedFace(*context);
    if (!face) return FALSE;
    if ((options & ETO_CLIPPED) && rect) canvas = ClippedTo(canvas, *rect);
    std::u32string text = CodePoints(units);
    std::vector<int> advances = perUnit ? AdvancesPerCharacter(units, perUnit) : std::vector<int>{};
    const int* given = perUnit ? advances.data() : nullptr;
    if (colours.backgroundMode == OPAQUE)
        FillSolid(canvas, {at.x, at.y, at.x + RunWidth(*face, text, given), at.y + face->Height()},
                  colours.background);
    DrawRun(canvas, *face, text, at, colours.text, given);
    return TRUE;
}

}  // namespace

// The reference point is the top-left corner of the first character cell.
BOOL WINAPI ExtTextOutW(HDC hdc, int X, int Y, UINT fuOptions, const RECT* lprc, LPCWSTR lpString, UINT cbCount,
                        const int* lpDx)
{
    if (cbCount > 0 && !lpString) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return platform::kernel::Guarded<BOOL>(FALSE, [&] {
        std::u16string_view text = cbCount ? std::u16string_view(lpString, cbCount) : std::u16string_view{};
        return WriteText(hdc, {X, Y}, fuOptions, lprc, text, lpDx);
    });
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE lpSize)
{
    if (c < 0 || (c > 0 && !lpString) || !lpSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return platform::kernel::Guarded<BOOL>(FALSE, [&] {
        const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
        TypeFace* face = context ? SelectedFace(*context) : nullptr;
        if (!face) return FALSE;
        std::u32string text = CodePoints(c ? std::u16string_view(lpString, c) : std::u16string_view{});
        *lpSize = {RunWidth(*face, text), face->Height()};
        return TRUE;
    });
}
