// A device context: what it draws on (a window, or the bitmap selected into
// a memory context), the objects selected into it and its colours.
#pragma once

#include <array>

#include <windef.h>
#include <wingdi.h>

#include "gdi/canvas.h"
#include "gdi/gdi_object.h"
#include "gdi/window_canvas.h"

namespace platform::gdi {

enum class ContextKind {
    Memory,  // CreateCompatibleDC: draws on its selected bitmap
    Window,  // GetDC: the window's client area
    Paint,   // BeginPaint: the client area within the paint rectangle
};

// The colours and mode text and conversions use.
struct ContextColours {
    COLORREF text = RGB(0, 0, 0);
    COLORREF background = RGB(255, 255, 255);
    int backgroundMode = OPAQUE;
};

class DeviceContext final : public GdiObject {
public:
    // A memory context holding the stock objects.
    DeviceContext();
    // A context of WINDOW drawing on PLACE.
    DeviceContext(ContextKind kind, HWND window, WindowCanvas place);
    ~DeviceContext() override;

    ContextKind Kind() const { return kind_; }
    HWND Window() const { return window_; }
    ContextColours& Colours() { return colours_; }
    const ContextColours& Colours() const { return colours_; }

    // The handle of the object of OBJ_TYPE (OBJ_BITMAP, ...) selected now.
    HGDIOBJ Selected(UINT objectType) const;
    // Puts OBJECT, of OBJ_TYPE, in the place of the one selected now and
    // returns that one's handle.
    HGDIOBJ Select(UINT objectType, HGDIOBJ object);

    // Where drawing goes now; a surface of null when there is none.
    Canvas Target() const;

    // GetObjectW describes no device context.
    int Describe(int, void*) const override { return 0; }

private:
    // Where the object of OBJ_TYPE is kept in SELECTED_; -1 for none.
    static int SlotOf(UINT objectType);

    ContextKind kind_;
    HWND window_ = nullptr;
    WindowCanvas place_;  // window contexts only
    ContextColours colours_;
    std::array<HGDIOBJ, 4> selected_;  // bitmap, brush, pen, font
};

// A paint context for WINDOW in the drawing-object table, clipped to
// PAINT_RECT (client coordinates).
HDC OpenPaintContext(HWND window, const RECT& paintRect);

// Closes HDC if it is a paint context of WINDOW; false otherwise.
bool ClosePaintContext(HDC hdc, HWND window);

}  // namespace platform::gdi
