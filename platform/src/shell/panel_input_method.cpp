#include "shell/panel_input_method.h"

#include <wingdi.h>

namespace {

void RegisterPanelClass(const WCHAR* name, WNDPROC procedure)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);  // already registered on a later selection
}

}  // namespace

namespace platform::shell {

PanelInputMethod::PanelInputMethod(const WCHAR* windowClass, WNDPROC procedure, const RECT& place)
    : windowClass(windowClass), procedure(procedure), place(place)
{
}

PanelInputMethod::~PanelInputMethod()
{
    if (window) DestroyWindow(window);
}

STDMETHODIMP PanelInputMethod::Select(HWND hwndSip)
{
    RegisterPanelClass(windowClass, procedure);
    window = CreateWindowExW(0, windowClass, u"", WS_CHILD, 0, 0, place.right - place.left, place.bottom - place.top,
                             hwndSip, nullptr, nullptr, nullptr);
    if (!window) return E_FAIL;
    if (callback) {
        IMINFO info = Info();
        callback->SetImInfo(&info);
    }
    return S_OK;
}

STDMETHODIMP PanelInputMethod::Deselect()
{
    DestroyWindow(window);
    window = nullptr;
    shown = false;
    return S_OK;
}

STDMETHODIMP PanelInputMethod::Showing()
{
    ShowWindow(window, SW_SHOWNOACTIVATE);
    shown = true;
    return S_OK;
}

STDMETHODIMP PanelInputMethod::Hiding()
{
    ShowWindow(window, SW_HIDE);
    shown = false;
    return S_OK;
}

STDMETHODIMP PanelInputMethod::GetInfo(IMINFO* pimi)
{
    if (!pimi) return E_INVALIDARG;
    DWORD size = pimi->cbSize;
    *pimi = Info();
    pimi->cbSize = size;
    return S_OK;
}

STDMETHODIMP PanelInputMethod::ReceiveSipInfo(SIPINFO*) { return S_OK; }

STDMETHODIMP PanelInputMethod::RegisterCallback(IIMCallback* lpIMCallback)
{
    callback = lpIMCallback;
    return S_OK;
}

STDMETHODIMP PanelInputMethod::GetImData(DWORD, LPVOID) { return E_NOTIMPL; }

STDMETHODIMP PanelInputMethod::SetImData(DWORD, LPVOID) { return E_NOTIMPL; }

// The platform's options pages are not part of the simulated device.
STDMETHODIMP PanelInputMethod::UserOptionsDlg(HWND) { return S_OK; }

IMINFO PanelInputMethod::Info() const
{
    IMINFO info = {};
    info.cbSize = sizeof(IMINFO);
    info.fdwFlags = SIPF_DOCKED | (shown ? SIPF_ON : 0);
    info.rcSipRect = place;
    return info;
}

}  // namespace platform::shell
