// A second client of the framework besides the keyboard: a module with two
// panels that write down what is asked of them, and a settings record whose
// reloads can be steered.
#pragma once

#include <string>
#include <vector>

#include "keyboard_settings.h"
#include "sip_module.h"

class TestSettings : public KeyboardSettings {
public:
    TestSettings();
    bool Reload() override;

    int reloads = 0;
    bool reportChange = false;
};

class TestPanel : public SipPanel {
public:
    TestPanel(const char* name, int height) : name(name), height(height) {}

    void Init() override;
    void Paint(HDC, PAINTSTRUCT*) override;
    void DropImageCache() override;
    void OnPenDown(int x, int y) override;
    void OnPenUp(int x, int y) override;
    void OnDoubleTap(int x, int y) override;
    void OnPenMove(int x, int y) override;
    void OnTimer(UINT timerId) override;
    int Width() override { return 240; }
    int Height() override { return height; }
    void OnSelect() override;
    void OnDeselect() override;
    void OnShowing() override;
    void OnHiding() override;

private:
    void Note(const std::string& call);

    const char* name;
    int height;
};

class TestModule : public SipModule {
public:
    LPCWSTR Name() override { return TEXT("Test input method"); }
    LPCWSTR Description() override { return TEXT("A test client of the framework."); }
    int PanelCount() override { return 2; }
    SipPanel* Panel(int index) override;
    KeyboardSettings* Settings() override { return &settings; }

    TestSettings settings;
};

// What the panels were asked, in order ("first.OnSelect", ...).
std::vector<std::string>& PanelCalls();
TestModule& TheTestModule();

// {6B1D2F40-7C3A-4E5B-9A8C-0D1E2F3A4B5C}
extern const CLSID kTestModuleClsid;
