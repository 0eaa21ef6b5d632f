// The process-wide object behind an input-method library: its identity, its
// input-panel window, its panels and its settings. A library derives its
// final module class from this one and creates exactly one static instance.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <sipapi.h>

#include "keyboard_settings.h"
#include "sip_panel.h"

// Each library built on SipModule defines its class identifier.
extern const CLSID kInputMethodClsid;

// The panel area of the screen always ends here.
const LONG kSipBottomEdge = 294;

class SipModule {
public:
    SipModule();

    virtual int NextPanelIndex();
    virtual ~SipModule();
    virtual void Initialize();
    virtual void OnTimer(UINT timerId);
    virtual LPCWSTR Name() = 0;
    virtual LPCWSTR Description() = 0;
    virtual const CLSID* Clsid();
    virtual int PanelCount() = 0;
    virtual SipPanel* Panel(int index) = 0;
    virtual void OnSelect();
    virtual void OnDeselect();
    virtual void OnShowing();
    virtual void OnHiding();
    virtual void UpdateImInfo();
    virtual UINT ButtonBitmapId(bool wide);
    virtual void LocalizeDialog(HWND dialog, int dialogId, LCID language);
    virtual void RefreshPanels();
    virtual void NextPanel();
    virtual bool ShowOptionsDialog(HWND parent);
    virtual KeyboardSettings* Settings() = 0;

    // The library's one module object.
    static SipModule* Instance() { return instance; }

    SipPanel* CurrentPanel() { return Panel(currentPanel); }
    HINSTANCE ModuleInstance() const { return moduleInstance; }
    void SetModuleInstance(HINSTANCE handle) { moduleInstance = handle; }
    HWND Window() const { return window; }
    IIMCallback* Callback() const { return callback; }
    bool IsWindowShown() const;

    // The input-method object's side of the module.
    void Select(HWND sipWindow);
    void Deselect();
    void Showing();
    void Hiding();
    void GetInfo(IMINFO* info);
    void RegisterCallback(IIMCallback* newCallback);
    void UserOptionsDlg(HWND parent);

    LONG objectCount;

private:
    static SipModule* instance;

    HINSTANCE moduleInstance;
    ATOM windowClass;
    HWND window;
    int currentPanel;
    IIMCallback* callback;  // borrowed: no reference is taken
    HIMAGELIST smallImages;
    HIMAGELIST largeImages;
};
