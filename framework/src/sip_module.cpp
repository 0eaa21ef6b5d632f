#include "sip_module.h"

#include "apply_dialog_strings.h"
#include "framework_dialog_strings.h"
#include "mirror_dialog.h"
#include "right_to_left_languages.h"
#include "sip_window.h"

namespace {

const COLORREF kButtonMaskColour = 0x808080;

}  // namespace

SipModule* SipModule::instance = nullptr;

SipModule::SipModule()
    : objectCount(0),
      moduleInstance(nullptr),
      windowClass(0),
      window(nullptr),
      currentPanel(0),
      callback(nullptr),
      smallImages(nullptr),
      largeImages(nullptr)
{
    instance = this;
}

int SipModule::NextPanelIndex() { return currentPanel + 1 < PanelCount() ? currentPanel + 1 : 0; }

SipModule::~SipModule()
{
    if (smallImages) ImageList_Destroy(smallImages);
    if (largeImages) ImageList_Destroy(largeImages);
    if (instance == this) instance = nullptr;
}

void SipModule::Initialize()
{
    smallImages = ImageList_LoadImage(moduleInstance, MAKEINTRESOURCE(ButtonBitmapId(false)), 16, 1,
                                      kButtonMaskColour, IMAGE_BITMAP, 0);
    largeImages = ImageList_LoadImage(moduleInstance, MAKEINTRESOURCE(ButtonBitmapId(true)), 32, 1,
                                      kButtonMaskColour, IMAGE_BITMAP, 0);
    for (int i = 0; i < PanelCount(); ++i) Panel(i)->Init();
}

void SipModule::OnTimer(UINT timerId) { CurrentPanel()->OnTimer(timerId); }

const CLSID* SipModule::Clsid() { return &kInputMethodClsid; }

void SipModule::OnSelect() { CurrentPanel()->OnSelect(); }

void SipModule::OnDeselect() { CurrentPanel()->OnDeselect(); }

void SipModule::OnShowing() { CurrentPanel()->OnShowing(); }

void SipModule::OnHiding() { CurrentPanel()->OnHiding(); }

bool SipModule::IsWindowShown() const
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SipModule::UpdateImInfo()
{
    SipPanel* panel = CurrentPanel();
    if (callback) {
        IMINFO info = {};
        info.cbSize = 40;
        info.hImageNarrow = smallImages;
        info.hImageWide = largeImages;
        info.fdwFlags = SIPF_DOCKED | (IsWindowShown() ? SIPF_ON : 0);
        info.rcSipRect = {0, kSipBottomEdge - panel->Height(), panel->Width(), kSipBottomEdge};
        callback->SetImInfo(&info);
    }
    MoveWindow(window, 0, 0, panel->Width(), panel->Height(), TRUE);
}

UINT SipModule::ButtonBitmapId(bool wide) { return wide ? 504 : 503; }

// A right-to-left language gets the mirrored layout; a language with a row
// in the table gets its texts, any other keeps those of the template.
void SipModule::LocalizeDialog(HWND dialog, int dialogId, LCID language)
{
    if (IsRightToLeftLanguage(language)) MirrorDialog(dialog);
    ApplyDialogStrings(dialog, dialogId, language, kFrameworkDialogStrings, kFrameworkDialogStringRows);
}

void SipModule::RefreshPanels()
{
    for (int i = 0; i < PanelCount(); ++i) Panel(i)->DropImageCache();
}

void SipModule::NextPanel()
{
    CurrentPanel()->OnDeselect();
    currentPanel = NextPanelIndex();
    CurrentPanel()->OnSelect();
    UpdateImInfo();
}

// A module without an options page has nothing to confirm.
bool SipModule::ShowOptionsDialog(HWND) { return false; }

void SipModule::Select(HWND sipWindow)
{
    WNDCLASSW windowClassInfo = {};
    windowClassInfo.style = CS_DBLCLKS;
    windowClassInfo.lpfnWndProc = SipWindowProc;
    windowClassInfo.hInstance = moduleInstance;
    windowClassInfo.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClassInfo.lpszClassName = Name();
    windowClass = RegisterClassW(&windowClassInfo);

    SipPanel* panel = CurrentPanel();
    window = CreateWindowExW(WS_EX_TOPMOST, MAKEINTATOM(windowClass), TEXT(""), WS_CHILD, 0, 0, panel->Width(),
                             panel->Height(), sipWindow, nullptr, moduleInstance, this);
    OnSelect();
    UpdateImInfo();
}

void SipModule::Deselect()
{
    OnDeselect();
    DestroyWindow(window);
    window = nullptr;
    UnregisterClassW(MAKEINTATOM(windowClass), moduleInstance);
}

void SipModule::Showing()
{
    if (IsWindowShown()) return;
    if (Settings()->Reload()) RefreshPanels();
    ShowWindow(window, SW_SHOW);
    OnShowing();
}

void SipModule::Hiding()
{
    OnHiding();
    ShowWindow(window, SW_HIDE);
}

void SipModule::GetInfo(IMINFO* info)
{
    info->hImageNarrow = smallImages;
    info->hImageWide = largeImages;
    info->iNarrow = 0;
    info->iWide = 0;
    info->fdwFlags = SIPF_DOCKED;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info->rcSipRect, 0);
    if (IsWindowShown()) {
        info->rcSipRect.top = info->rcSipRect.bottom - CurrentPanel()->Height();
        info->fdwFlags |= SIPF_ON;
    }
}

void SipModule::RegisterCallback(IIMCallback* newCallback)
{
    callback = newCallback;
    UpdateImInfo();
}

void SipModule::UserOptionsDlg(HWND parent)
{
    if (Settings()->Reload()) RefreshPanels();
    if (ShowOptionsDialog(parent)) RefreshPanels();
}
