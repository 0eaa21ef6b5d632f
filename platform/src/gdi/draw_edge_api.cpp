#include <winuser.h>

#include "gdi/canvas.h"
#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"

namespace {

using namespace platform::gdi;

// The colours of one ring of an edge: its top and left sides, then its
// bottom and right sides.
struct RingColours {
    int topLeft;
    int bottomRight;
};

constexpr RingColours kRaisedOuter{COLOR_3DLIGHT, COLOR_3DDKSHADOW};
constexpr RingColours kSunkenOuter{COLOR_3DSHADOW, COLOR_3DHILIGHT};
constexpr RingColours kRaisedInner{COLOR_3DHILIGHT, COLOR_3DSHADOW};
constexpr RingColours kSunkenInner{COLOR_3DDKSHADOW, COLOR_3DLIGHT};

// Draws one ring just inside RECT on the sides FLAGS names, then narrows
// RECT past it. The bottom and right sides are drawn last, so they own the
// two corners where the colours meet.
void DrawRing(const Canvas& canvas, RECT& rect, RingColours colours, UINT flags)
{
    COLORREF light = GetSysColor(colours.topLeft), dark = GetSysColor(colours.bottomRight);
    if (flags & BF_LEFT) FillSolid(canvas, {rect.left, rect.top, rect.left + 1, rect.bottom}, light);
    if (flags & BF_TOP) FillSolid(canvas, {rect.left, rect.top, rect.right, rect.top + 1}, light);
    if (flags & BF_RIGHT) FillSolid(canvas, {rect.right - 1, rect.top, rect.right, rect.bottom}, dark);
    if (flags & BF_BOTTOM) FillSolid(canvas, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, dark);
    if (flags & BF_LEFT) ++rect.left;
    if (flags & BF_TOP) ++rect.top;
    if (flags & BF_RIGHT) --rect.right;
    if (flags & BF_BOTTOM) --rect.bottom;
}

}  // namespace

// Plain raised and sunken edges; BF_SOFT, BF_FLAT and BF_MONO draw as plain.
BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return FALSE;
    if (!qrc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas = context->Target();
    RECT inside = *qrc;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        DrawRing(canvas, inside, edge & BDR_RAISEDOUTER ? kRaisedOuter : kSunkenOuter, grfFlags);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        DrawRing(canvas, inside, edge & BDR_RAISEDINNER ? kRaisedInner : kSunkenInner, grfFlags);
    if (grfFlags & BF_MIDDLE) FillSolid(canvas, inside, GetSysColor(COLOR_3DFACE));
    if (grfFlags & BF_ADJUST) *qrc = inside;
    return TRUE;
}
