#include "shell/sip_manager.h"

#include <algorithm>
#include <memory>

#include <device/screen.h>
#include <device/sip.h>
#include <objbase.h>
#include <wingdi.h>

#include "shell/default_input_method.h"
#include "shell/platform_keyboard.h"
#include "shell/sip_event_log.h"

namespace {

const WCHAR kSipWindowClass[] = u"SipWndClass";

std::unique_ptr<platform::shell::SipManager> running;

HWND CreateSipWindow(const RECT& place)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = kSipWindowClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOPMOST, kSipWindowClass, u"", WS_POPUP, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

namespace platform::shell {

SipManager& SipManager::Running()
{
    if (!running) {
        running = std::make_unique<SipManager>();
        running->Start();
    }
    return *running;
}

void SipManager::Stop()
{
    if (!running) return;
    running->ShutDown();
    running.reset();
}

SipManager::SipManager() : callback([this](const IMINFO& info) { ApplyImInfo(info); }) {}

void SipManager::Start()
{
    panelRect = kPlatformKeyboardPanel;  // until the input method reports its own
    window = CreateSipWindow(panelRect);
    if (Load(ReadDefaultInputMethod()) || Load(device::kPlatformKeyboardClsid))
        RecordSipEvent(device::SipEvent::Kind::Started, current);
}

void SipManager::ShutDown()
{
    Unload();
    DestroyWindow(window);
    window = nullptr;
}

bool SipManager::Select(const CLSID& clsid)
{
    if (inputMethod && clsid == current) return true;
    if (!Load(clsid)) {
        RecordSipEvent(device::SipEvent::Kind::Refused, clsid);
        return false;
    }
    RecordSipEvent(device::SipEvent::Kind::Selected, clsid);
    WriteDefaultInputMethod(clsid);
    return true;
}

// The new input method is created before the current one is let go, so
// that a class that cannot be created leaves the panel as it was.
bool SipManager::Load(const CLSID& clsid)
{
    IInputMethod* created = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                reinterpret_cast<void**>(&created))))
        return false;
    Unload();
    current = clsid;
    Activate(created);
    return true;
}

void SipManager::Activate(IInputMethod* created)
{
    inputMethod = created;
    inputMethod->RegisterCallback(&callback);
    inputMethod->Select(window);
    QueryInfo();
    SIPINFO sipInfo = {};
    sipInfo.cbSize = sizeof sipInfo;
    sipInfo.fdwFlags = SIPF_DOCKED | (shown ? SIPF_ON : 0);
    sipInfo.rcSipRect = panelRect;
    inputMethod->ReceiveSipInfo(&sipInfo);
    if (shown) {
        inputMethod->Showing();
        QueryInfo();
    }
}

void SipManager::Unload()
{
    if (!inputMethod) return;
    if (shown) inputMethod->Hiding();
    inputMethod->Deselect();
    IInputMethod* released = inputMethod;
    inputMethod = nullptr;
    released->Release();
}

void SipManager::Show()
{
    if (shown || !inputMethod) return;
    shown = true;
    RecordSipEvent(device::SipEvent::Kind::Shown, current);
    inputMethod->Showing();
    QueryInfo();
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

void SipManager::Hide()
{
    if (!shown || !inputMethod) return;
    shown = false;
    RecordSipEvent(device::SipEvent::Kind::Hidden, current);
    inputMethod->Hiding();
    ShowWindow(window, SW_HIDE);
    QueryInfo();
}

HRESULT SipManager::OpenOptions() { return inputMethod ? inputMethod->UserOptionsDlg(window) : E_UNEXPECTED; }

// What GetInfo reports while the panel is off is no place for it (an input
// method may report the whole work area then): only the state is taken.
void SipManager::QueryInfo()
{
    IMINFO info = {};
    info.cbSize = sizeof info;
    if (FAILED(inputMethod->GetInfo(&info))) return;
    on = (info.fdwFlags & SIPF_ON) != 0;
    if (on) Place(info.rcSipRect);
}

void SipManager::ApplyImInfo(const IMINFO& info)
{
    on = (info.fdwFlags & SIPF_ON) != 0;
    Place(info.rcSipRect);
}

// The panel keeps its bottom edge; its top and sides follow the input
// method. An empty rectangle leaves the panel where it was.
void SipManager::Place(const RECT& wanted)
{
    if (wanted.right <= wanted.left || wanted.bottom <= wanted.top) return;
    LONG top = std::clamp<LONG>(wanted.top, 0, device::kInputPanelBottom);
    panelRect = {wanted.left, top, wanted.right, device::kInputPanelBottom};
    MoveWindow(window, panelRect.left, panelRect.top, panelRect.right - panelRect.left,
               panelRect.bottom - panelRect.top, TRUE);
}

}  // namespace platform::shell
