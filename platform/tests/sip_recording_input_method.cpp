#include "sip_recording_input_method.h"

HWND RecordingInputMethod::selectedIn = nullptr;
HWND RecordingInputMethod::optionsOwner = nullptr;
IIMCallback* RecordingInputMethod::lastCallback = nullptr;
bool RecordingInputMethod::panelVisibleAtShowing = false;
bool RecordingInputMethod::panelVisibleAtHiding = false;

namespace {

HRESULT Create(const char* name, int panelHeight, IUnknown* outer, REFIID riid, void** ppv)
{
    if (outer) return CLASS_E_NOAGGREGATION;
    return platform::com::CreateCountedObject<RecordingInputMethod>(riid, ppv, name, panelHeight);
}

}  // namespace

HRESULT CreateRecordingA(IUnknown* outer, REFIID riid, void** ppv) { return Create("A", 80, outer, riid, ppv); }

HRESULT CreateRecordingB(IUnknown* outer, REFIID riid, void** ppv) { return Create("B", 120, outer, riid, ppv); }

RecordingInputMethod::RecordingInputMethod(std::string name, int panelHeight)
    : name(std::move(name)), panelHeight(panelHeight)
{
    Record("created");
}

RecordingInputMethod::~RecordingInputMethod() { Record("destroyed"); }

std::vector<std::string>& RecordingInputMethod::Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

void RecordingInputMethod::Record(const char* call) { Calls().push_back(name + "." + call); }

RECT RecordingInputMethod::Panel() const { return {0, 294 - panelHeight, 240, 294}; }

STDMETHODIMP RecordingInputMethod::Select(HWND hwndSip)
{
    Record("Select");
    selectedIn = hwndSip;
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::Deselect()
{
    Record("Deselect");
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::Showing()
{
    Record("Showing");
    panelVisibleAtShowing = IsWindowVisible(selectedIn);
    shown = true;
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::Hiding()
{
    Record("Hiding");
    panelVisibleAtHiding = IsWindowVisible(selectedIn);
    shown = false;
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::GetInfo(IMINFO* pimi)
{
    Record("GetInfo");
    pimi->fdwFlags = SIPF_DOCKED | (shown ? SIPF_ON : 0);
    pimi->rcSipRect = shown ? Panel() : RECT{0, 26, 240, 294};
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::ReceiveSipInfo(SIPINFO*)
{
    Record("ReceiveSipInfo");
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::RegisterCallback(IIMCallback* lpIMCallback)
{
    Record("RegisterCallback");
    lastCallback = lpIMCallback;
    return S_OK;
}

STDMETHODIMP RecordingInputMethod::GetImData(DWORD, LPVOID) { return E_NOTIMPL; }

STDMETHODIMP RecordingInputMethod::SetImData(DWORD, LPVOID) { return E_NOTIMPL; }

STDMETHODIMP RecordingInputMethod::UserOptionsDlg(HWND hwndParent)
{
    Record("UserOptionsDlg");
    optionsOwner = hwndParent;
    return S_OK;
}
