// The panel's drawing: an off-screen frame over a cached image of the whole
// keyboard for the latched modifiers, with the keys that change from moment
// to moment drawn afresh on it.
#include "bitmap_drawing.h"
#include "command_bitmaps.h"
#include "finnish_keyboard_module.h"
#include "key_colours.h"
#include "key_geometry.h"
#include "key_label.h"
#include "keyboard_panel.h"

namespace {

constexpr UINT kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr LONG kKeyFontHeight = -12;
const WCHAR kKeyFontFace[] = TEXT("Tahoma");

HINSTANCE Module() { return TheKeyboardModule().ModuleInstance(); }

bool Coloured() { return TheKeyboardModule().KeyboardOptions().colored.Value(); }

bool Contains(LPCWSTR text, WCHAR ch) { return text && ch && wcschr(text, ch); }

void Deselect(HDC dc, HGDIOBJ previous)
{
    if (previous) SelectObject(dc, previous);
}

}  // namespace

void KeyboardPanel::Paint(HDC dc, PAINTSTRUCT* paint)
{
    RECT client = {};
    GetClientRect(TheKeyboardModule().Window(), &client);
    HDC frame = CreateCompatibleDC(dc);
    HBITMAP frameImage = CreateCompatibleBitmap(dc, client.right, client.bottom);
    if (frame && frameImage) {
        HGDIOBJ previousImage = SelectObject(frame, frameImage);
        HGDIOBJ previousFont = keyFont ? SelectObject(frame, keyFont) : nullptr;
        CopyCachedImage(dc, frame);
        DrawLiveKeys(frame);
        const RECT& invalid = paint->rcPaint;
        BitBlt(dc, invalid.left, invalid.top, invalid.right - invalid.left, invalid.bottom - invalid.top, frame,
               invalid.left, invalid.top, SRCCOPY);
        Deselect(frame, previousFont);
        Deselect(frame, previousImage);
    }
    if (frameImage) DeleteObject(frameImage);
    if (frame) DeleteDC(frame);
}

// An image that no longer goes into a context is drawn again.
void KeyboardPanel::CopyCachedImage(HDC dc, HDC frame)
{
    int slot = ImageCache::SlotFor(shift, alt, caps, ctrl);
    if (!imageCache.Image(slot)) imageCache.Store(slot, RenderImage(dc, shift, alt, caps, ctrl));
    if (DrawBitmap(frame, imageCache.Image(slot), 0, 0, SRCCOPY)) return;
    imageCache.Store(slot, RenderImage(dc, shift, alt, caps, ctrl));
    DrawBitmap(frame, imageCache.Image(slot), 0, 0, SRCCOPY);
}

// The cached image shows no key pressed, no modifier active and no dead-key
// preview: the keys that show one are drawn over it.
void KeyboardPanel::DrawLiveKeys(HDC frame)
{
    int pressedKey = PressedKey();
    for (int key = 0; key < KeyCount(); ++key) {
        const KeyDef* def = GetKeyDef(key, shift, alt, caps);
        bool pressed = SameKey(pressedKey, key);
        bool active = IsActive(key);
        if (pressed || active || def->code == VK_SPACE || PreviewsDeadKey(*def) || def->kind > KeyPanelSwitch)
            DrawKey(frame, key, shift, alt, caps, ctrl, true, pressed, active);
    }
}

bool KeyboardPanel::IsActive(int key)
{
    return (shift && IsShiftKey(key)) || (alt && IsAltKey(key)) || (caps && IsCapsKey(key)) ||
           (ctrl && IsCtrlKey(key));
}

bool KeyboardPanel::PreviewsDeadKey(const KeyDef& def) const
{
    return pendingDead && def.label && Contains(deadBase, def.label[0]);
}

void KeyboardPanel::DropImageCache()
{
    imageCache.Drop();
    InvalidateRect(TheKeyboardModule().Window(), nullptr, FALSE);
}

HBITMAP KeyboardPanel::RenderImage(HDC dc, bool withShift, bool withAlt, bool withCaps, bool withCtrl)
{
    HDC canvas = CreateCompatibleDC(dc);
    HBITMAP image = CreateCompatibleBitmap(dc, kPanelWidth, kPanelHeight);
    if (canvas && image) {
        HGDIOBJ previousImage = SelectObject(canvas, image);
        HGDIOBJ previousFont = keyFont ? SelectObject(canvas, keyFont) : nullptr;
        FillWithColour(canvas, {0, 0, kPanelWidth, kPanelHeight}, kSeamColour);
        for (int key = 0; key < KeyCount(); ++key)
            DrawKey(canvas, key, withShift, withAlt, withCaps, withCtrl, false, false, false);
        Deselect(canvas, previousFont);
        Deselect(canvas, previousImage);
    } else if (image) {
        DeleteObject(image);
        image = nullptr;
    }
    if (canvas) DeleteDC(canvas);
    return image;
}

void KeyboardPanel::CreateKeyFont()
{
    LOGFONTW font = {};
    font.lfHeight = kKeyFontHeight;
    font.lfWeight = FW_NORMAL;
    wcscpy(font.lfFaceName, kKeyFontFace);
    // The module may start more than once while no object is alive.
    if (keyFont) DeleteObject(keyFont);
    keyFont = CreateFontIndirectW(&font);
}

void KeyboardPanel::DrawKey(HDC dc, int key, bool withShift, bool withAlt, bool withCaps, bool withCtrl, bool live,
                            bool pressed, bool active)
{
    RECT rect;
    KeyRect(&rect, key);
    const KeyDef* def = GetKeyDef(key, withShift, withAlt, withCaps);
    FillKey(dc, key, rect, *def, withCtrl);
    DrawKeyFace(dc, key, rect, *def, withShift, withAlt, withCaps, withCtrl, live, active ? NOTSRCCOPY : SRCAND);
    if (pressed) PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, DSTINVERT);
}

// Under Ctrl a key is classed by the virtual key it sends, else by the first
// character it types.
void KeyboardPanel::FillKey(HDC dc, int key, const RECT& rect, const KeyDef& def, bool withCtrl)
{
    COLORREF colour = kLetterColour;
    if (Coloured()) {
        WCHAR classChar = withCtrl ? KeyVirtualCode(key) : (def.label ? def.label[0] : 0);
        if (!KeyFillColour(def, classChar, withCtrl, &colour)) return;
    }
    FillWithColour(dc, rect, colour);
}

// While drawn live, a key shows the letter a pending dead key would make of
// it, and the space bar the accent it would send alone.
void KeyboardPanel::DrawKeyFace(HDC dc, int key, const RECT& rect, const KeyDef& def, bool withShift, bool withAlt,
                                bool withCaps, bool withCtrl, bool live, DWORD rop)
{
    UINT face = CommandBitmap(key, withShift, withAlt, withCaps, withCtrl);
    if (face) {
        DrawResourceBitmap(dc, Module(), face, rect, Placement::TopLeft, rop);
        return;
    }
    WCHAR text[kLabelSize] = {};
    switch (def.kind) {
    case KeyChar:
    case KeyDead:
        if (withCtrl) text[0] = KeyVirtualCode(key);
        else if (live) ComposeLabel(key, withShift, withAlt, withCaps, text);
        else CopyLabel(def.label, text, kLabelSize);
        DrawLabel(dc, rect, text, rop);
        return;
    case KeyCommand:
        if (!ShowsPendingAccent(key, withCtrl)) return;
        text[0] = pendingDead;
        DrawLabel(dc, rect, text, rop);
        return;
    case KeyPanelSwitch:
        DrawLabel(dc, rect, PanelLabel(), rop);
        return;
    default:
        return;
    }
}

// The space bar of the panel's own modifier state, with a dead key pending.
bool KeyboardPanel::ShowsPendingAccent(int key, bool withCtrl)
{
    return !withCtrl && pendingDead && GetKeyDef(key, shift, alt, caps)->code == VK_SPACE;
}

void KeyboardPanel::DrawLabel(HDC dc, const RECT& rect, LPCWSTR text, DWORD rop)
{
    UINT bitmap = LabelBitmap(text);
    if (bitmap) {
        DrawResourceBitmap(dc, Module(), bitmap, rect, Placement::Centred, rop);
        return;
    }
    RECT box = rect;
    DrawTextW(dc, text, -1, &box, kLabelFormat);
}

UINT KeyboardPanel::LabelBitmap(LPCWSTR text)
{
    if (!text || !text[0] || text[1]) return 0;
    if (text[0] == TEXT('\u00C5')) return kRingABitmap;
    if (text[0] == TEXT('\u016E')) return kRingUBitmap;
    return 0;
}
