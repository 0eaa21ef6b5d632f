#include "shell/sip_manager.h"

#include <algorithm>
#include <memory>

#include <crtwide.h>
#include <device/screen.h>
#include <device/sip.h>
#include <objbase.h>
#include <wingdi.h>

#include "com/builtin_classes.h"
#include "registry/key_deletion_watch.h"
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

// Whether deleting the key at DELETED takes CLSID's server entry with it: the
// class key, a key above it, or its InProcServer32 key.
bool UnregistersClass(const std::u16string& deleted, const CLSID& clsid)
{
    WCHAR clsidText[39];
    StringFromGUID2(clsid, clsidText, 39);
    std::u16string server = u"HKCR\\CLSID\\" + std::u16string(clsidText) + u"\\InProcServer32";
    if (server.size() < deleted.size() || _wcsnicmp(server.c_str(), deleted.c_str(), deleted.size()) != 0)
        return false;
    return server.size() == deleted.size() || server[deleted.size()] == u'\\';
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

bool SipManager::PanelShown() { return running && running->IsShown(); }

void SipManager::KeyDeleted(const std::u16string& path)
{
    if (running) running->ReleaseUnregistered(path);
}

SipManager::SipManager() : callback([this](const IMINFO& info) { ApplyImInfo(info); }) {}

void SipManager::Start()
{
    panelRect = kPlatformKeyboardPanel;  // until the input method reports its own
    window = CreateSipWindow(panelRect);
    platform::registry::WatchKeyDeletions(KeyDeleted);
    if (Load(ReadDefaultInputMethod()) || Load(device::kPlatformKeyboardClsid))
        RecordSipEvent(device::SipEvent::Kind::Started, current);
}

void SipManager::ShutDown()
{
    platform::registry::WatchKeyDeletions(nullptr);
    Deactivate();
    std::vector<KeptInputMethod> releasing;
    releasing.swap(kept);
    for (const KeptInputMethod& one : releasing) one.method->Release();
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

// A new input method is created before the current one is deselected, so
// that a class that cannot be created leaves the panel as it was.
bool SipManager::Load(const CLSID& clsid)
{
    IInputMethod* chosen = Kept(clsid);
    if (!chosen) {
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                    reinterpret_cast<void**>(&chosen))))
            return false;
        kept.push_back({clsid, chosen, platform::com::FindBuiltinClass(clsid) == nullptr});
    }
    Deactivate();
    current = clsid;
    Activate(chosen);
    return true;
}

IInputMethod* SipManager::Kept(const CLSID& clsid) const
{
    for (const KeptInputMethod& one : kept)
        if (one.clsid == clsid) return one.method;
    return nullptr;
}

void SipManager::Activate(IInputMethod* chosen)
{
    inputMethod = chosen;
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

void SipManager::Deactivate()
{
    if (!inputMethod) return;
    if (shown) inputMethod->Hiding();
    inputMethod->Deselect();
    inputMethod = nullptr;
}

// The current input method among them is deselected first; the panel then
// has none until another is chosen. They leave the list before any is
// released, so whatever a release does finds the list whole.
void SipManager::ReleaseUnregistered(const std::u16string& deletedKey)
{
    std::vector<KeptInputMethod> releasing;
    for (auto one = kept.begin(); one != kept.end();) {
        if (one->fromRegistry && UnregistersClass(deletedKey, one->clsid)) {
            releasing.push_back(*one);
            one = kept.erase(one);
        } else {
            ++one;
        }
    }
    for (const KeptInputMethod& one : releasing) {
        if (one.method == inputMethod) Deactivate();
        one.method->Release();
    }
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
