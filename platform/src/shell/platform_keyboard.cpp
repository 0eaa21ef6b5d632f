#include "shell/platform_keyboard.h"

#include <device/screen.h>
#include <device/sip.h>

#include "shell/keyboard_panel.h"

const CLSID device::kPlatformKeyboardClsid = {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

namespace platform::shell {

const RECT kPlatformKeyboardPanel = {0, device::kInputPanelBottom - 80, device::kScreenWidth, device::kInputPanelBottom};

HRESULT CreatePlatformKeyboard(IUnknown* outer, REFIID riid, void** ppv)
{
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::CreateCountedObject<PlatformKeyboard>(riid, ppv);
}

PlatformKeyboard::PlatformKeyboard()
    : PanelInputMethod(u"SipKeyboard", KeyboardPanelProcedure, kPlatformKeyboardPanel)
{
}

}  // namespace platform::shell
