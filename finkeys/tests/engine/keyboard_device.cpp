#include "keyboard_device.h"

#include <sipapi.h>

#include <device/clock.h>
#include <device/pen.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include "panel_layout.h"
#include "registered_library.h"

const CLSID kFinnishKeyboard = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};

namespace {

const WCHAR kLibraryPath[] = TEXT("\\Windows\\finkeys.dll");

POINT Centre(int key)
{
    RECT rect;
    KeyRect(kFinnishLayout, &rect, key);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

POINT ScreenPoint(int x, int y)
{
    RECT panel = device::InputPanelRect();
    return {panel.left + x, panel.top + y};
}

Stroke Tap(int key) { return Slide(key, 0, 0); }

Stroke SecondTap(int key)
{
    Stroke stroke = Tap(key);
    stroke.doubleTap = true;
    return stroke;
}

Stroke Slide(int key, int dx, int dy)
{
    POINT centre = Centre(key);
    return {centre.x, centre.y, dx, dy};
}

void InstallKeyboard() { PlaceAndRegisterLibrary(FINKEYS_LIBRARY, kLibraryPath); }

void KeyboardDevice::SetUp()
{
    FreshDevice::SetUp();
    ASSERT_NO_FATAL_FAILURE(InstallKeyboard());
    ASSERT_TRUE(device::SelectInputMethod(kFinnishKeyboard));
    device::ShowInputPanel();
    device::ClearCallbackLog();
    device::ClearEditor();
}

void KeyboardDevice::Run(std::span<const Stroke> strokes)
{
    for (const Stroke& stroke : strokes) {
        if (!stroke.doubleTap) device::AdvanceClock(device::kDoubleTapTime + 1);
        PenDown(stroke.x, stroke.y);
        if (stroke.dx || stroke.dy) PenMove(stroke.x + stroke.dx, stroke.y + stroke.dy);
        PenUp(stroke.x + stroke.dx, stroke.y + stroke.dy);
    }
}

void KeyboardDevice::PenDown(int x, int y)
{
    POINT point = ScreenPoint(x, y);
    device::PenDown(point.x, point.y);
}

void KeyboardDevice::PenMove(int x, int y)
{
    POINT point = ScreenPoint(x, y);
    device::PenMove(point.x, point.y);
}

void KeyboardDevice::PenUp(int x, int y)
{
    POINT point = ScreenPoint(x, y);
    device::PenUp(point.x, point.y);
}

void KeyboardDevice::SetKeyboardSetting(LPCWSTR name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("SOFTWARE\\Tarvex\\Lexovia"), 0, nullptr, 0, 0, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    device::HideInputPanel();
    device::ShowInputPanel();
    device::ClearCallbackLog();
}
