#include "shell/platform_keyboard.h"

#include <device/screen.h>

namespace {

const WCHAR kWindowClass[] = u"SipKeyboard";

void RegisterPanelClass()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);  // already registered on a later selection
}

}  // namespace

namespace platform::shell {

const CLSID kPlatformKeyboardClsid = {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};
const RECT kPlatformKeyboardPanel = {0, device::kInputPanelBottom - 80, device::kScreenWidth, device::kInputPanelBottom};

HRESULT CreatePlatformKeyboard(IUnknown* outer, REFIID riid, void** ppv)
{
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::CreateCountedObject<PlatformKeyboard>(riid, ppv);
}

STDMETHODIMP PlatformKeyboard::Select(HWND hwndSip)
{
    RegisterPanelClass();
    const RECT& panel = kPlatformKeyboardPanel;
    window = CreateWindowExW(0, kWindowClass, u"", WS_CHILD, 0, 0, panel.right - panel.left, panel.bottom - panel.top,
                             hwndSip, nullptr, nullptr, nullptr);
    if (!window) return E_FAIL;
    if (callback) {
        IMINFO info = Info();
        callback->SetImInfo(&info);
    }
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::Deselect()
{
    DestroyWindow(window);
    window = nullptr;
    shown = false;
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::Showing()
{
    ShowWindow(window, SW_SHOWNOACTIVATE);
    shown = true;
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::Hiding()
{
    ShowWindow(window, SW_HIDE);
    shown = false;
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::GetInfo(IMINFO* pimi)
{
    if (!pimi) return E_INVALIDARG;
    DWORD size = pimi->cbSize;
    *pimi = Info();
    pimi->cbSize = size;
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::ReceiveSipInfo(SIPINFO*) { return S_OK; }

STDMETHODIMP PlatformKeyboard::RegisterCallback(IIMCallback* lpIMCallback)
{
    callback = lpIMCallback;
    return S_OK;
}

STDMETHODIMP PlatformKeyboard::GetImData(DWORD, LPVOID) { return E_NOTIMPL; }

STDMETHODIMP PlatformKeyboard::SetImData(DWORD, LPVOID) { return E_NOTIMPL; }

// The platform keyboard has no options of its own.
STDMETHODIMP PlatformKeyboard::UserOptionsDlg(HWND) { return S_OK; }

IMINFO PlatformKeyboard::Info() const
{
    IMINFO info = {};
    info.cbSize = sizeof(IMINFO);
    info.fdwFlags = SIPF_DOCKED | (shown ? SIPF_ON : 0);
    info.rcSipRect = kPlatformKeyboardPanel;
    return info;
}

}  // namespace platform::shell
