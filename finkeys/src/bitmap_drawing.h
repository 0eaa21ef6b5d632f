// Small drawing steps the keyboard repeats: filling a rectangle with a
// colour and copying a bitmap onto a device context.
#pragma once

#include <windows.h>

// Where a bitmap goes inside a key.
enum class Placement {
    TopLeft,  // at the key's corner: the face covers the whole key
    Centred,  // in the middle, the remainder split with the odd pixel right and below
};

// Fills RECT with COLOUR and leaves COLOUR as the context's background
// colour, which a monochrome bitmap's white takes when copied after.
void FillWithColour(HDC dc, const RECT& rect, COLORREF colour);

SIZE BitmapSize(HBITMAP bitmap);

// Copies BITMAP at its own size to (X, Y) through raster operation ROP; false
// when the bitmap cannot be selected into a context.
bool DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rop);

// Loads bitmap ID of MODULE and draws it into RECT where PLACEMENT says.
void DrawResourceBitmap(HDC dc, HINSTANCE module, UINT id, const RECT& rect, Placement placement, DWORD rop);
