#include "bitmap_drawing.h"

void FillWithColour(HDC dc, const RECT& rect, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP description = {};
    GetObjectW(bitmap, sizeof description, &description);
    return {description.bmWidth, description.bmHeight};
}

bool DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rop)
{
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = source ? SelectObject(source, bitmap) : nullptr;
    if (previous) {
        SIZE size = BitmapSize(bitmap);
        BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, rop);
        SelectObject(source, previous);
    }
    if (source) DeleteDC(source);
    return previous != nullptr;
}

void DrawResourceBitmap(HDC dc, HINSTANCE module, UINT id, const RECT& rect, Placement placement, DWORD rop)
{
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    if (!bitmap) return;
    int x = rect.left;
    int y = rect.top;
    if (placement == Placement::Centred) {
        SIZE size = BitmapSize(bitmap);
        x += (rect.right - rect.left - size.cx) / 2;
        y += (rect.bottom - rect.top - size.cy) / 2;
    }
    DrawBitmap(dc, bitmap, x, y, rop);
    DeleteObject(bitmap);
}
