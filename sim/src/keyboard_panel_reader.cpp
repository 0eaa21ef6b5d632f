#include "keyboard_panel_reader.h"

#include <windows.h>

#include <device/paint.h>
#include <device/screen.h>
#include <device/sip.h>
#include <device/text.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPanelSwitchKey = 53;
// How far the reader looks around the centred spot for the label, in case
// the keyboard centres it in a rectangle inset by the key's edge.
constexpr int kSlack = 2;

struct Panel {
    const PanelLayout* layout;
    const char* name;
};

const Panel kPanels[] = {{&kFinnishLayout, "Finnish"}, {&kEnglishLayout, "English"}};

// Where a label's ink falls in a key-sized box.
struct InkMask {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    size_t IndexOf(int x, int y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    }
    bool At(int x, int y) const { return ink[IndexOf(x, y)]; }
};

// The label as the keyboard writes it: its key font, centred on one line.
InkMask RenderLabel(LPCWSTR label, int width, int height)
{
    InkMask mask{width, height, std::vector<bool>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    LOGFONTW face = {};
    face.lfHeight = -12;
    face.lfWeight = FW_NORMAL;
    wcscpy(face.lfFaceName, TEXT("Tahoma"));
    HFONT font = CreateFontIndirectW(&face);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT box = {0, 0, width, height};
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    DrawTextW(dc, label, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask.ink[mask.IndexOf(x, y)] = GetPixel(dc, x, y) == RGB(0, 0, 0);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return mask;
}

// The smallest rectangle that holds the ink, grown by a pixel all round: the
// pixels a reader compares to tell a letter from its surroundings.
RECT InkFrame(const InkMask& mask)
{
    RECT frame = {mask.width, mask.height, 0, 0};
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.At(x, y)) continue;
            frame.left = std::min<LONG>(frame.left, x - 1);
            frame.top = std::min<LONG>(frame.top, y - 1);
            frame.right = std::max<LONG>(frame.right, x + 2);
            frame.bottom = std::max<LONG>(frame.bottom, y + 2);
        }
    }
    return frame;
}

// One pixel of SCREEN; CLR_INVALID off it.
COLORREF PixelAt(const device::Image& screen, int x, int y)
{
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) return CLR_INVALID;
    return screen.At(x, y);
}

// True when SCREEN shows MASK's ink at (left + dx, top + dy) in one colour
// and none of the pixels just around it has that colour.
bool ShowsInkAt(const device::Image& screen, const InkMask& mask, const RECT& frame, int left, int top, int dx,
                int dy)
{
    COLORREF inkColour = CLR_INVALID;
    for (int y = 0; y < mask.height && inkColour == CLR_INVALID; ++y)
        for (int x = 0; x < mask.width && inkColour == CLR_INVALID; ++x)
            if (mask.At(x, y)) inkColour = PixelAt(screen, left + x + dx, top + y + dy);
    if (inkColour == CLR_INVALID) return false;
    for (int y = frame.top; y < frame.bottom; ++y) {
        for (int x = frame.left; x < frame.right; ++x) {
            bool ink = x >= 0 && x < mask.width && y >= 0 && y < mask.height && mask.At(x, y);
            if (ink != (PixelAt(screen, left + x + dx, top + y + dy) == inkColour)) return false;
        }
    }
    return true;
}

bool KeyShowsLabel(const device::Image& screen, const RECT& key, LPCWSTR label)
{
    InkMask mask = RenderLabel(label, key.right - key.left, key.bottom - key.top);
    RECT frame = InkFrame(mask);
    for (int dy = -kSlack; dy <= kSlack; ++dy)
        for (int dx = -kSlack; dx <= kSlack; ++dx)
            if (ShowsInkAt(screen, mask, frame, key.left, key.top, dx, dy)) return true;
    return false;
}

}  // namespace

Parsed<const PanelLayout*> ShownKeyboardPanel()
{
    device::DeliverPaints();
    RECT panel = device::InputPanelRect();
    device::Image screen = device::CaptureScreen();
    for (const Panel& candidate : kPanels) {
        RECT key;
        KeyRect(*candidate.layout, &key, kPanelSwitchKey);
        key = {key.left + panel.left, key.top + panel.top, key.right + panel.left, key.bottom + panel.top};
        if (KeyShowsLabel(screen, key, candidate.layout->label)) return candidate.layout;
    }
    return Parsed<const PanelLayout*>::Failure("the keyboard's panel-switch key shows neither \"Fi\" nor \"En\"");
}

std::string PanelLabelText(const PanelLayout& layout) { return device::Utf8(layout.label); }

std::string PanelName(const PanelLayout& layout)
{
    for (const Panel& candidate : kPanels)
        if (candidate.layout == &layout) return candidate.name;
    return PanelLabelText(layout);
}
