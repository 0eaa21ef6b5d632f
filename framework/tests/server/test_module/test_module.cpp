#include "test_module.h"

const CLSID kTestModuleClsid = {0x6B1D2F40, 0x7C3A, 0x4E5B, {0x9A, 0x8C, 0x0D, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C}};
const CLSID kInputMethodClsid = kTestModuleClsid;

namespace {

// Panels first, then the module: the module's destructor may still reach them.
TestPanel firstPanel("first", 80);
TestPanel secondPanel("second", 60);
TestModule theModule;

}  // namespace

std::vector<std::string>& PanelCalls()
{
    static std::vector<std::string> calls;
    return calls;
}

TestModule& TheTestModule() { return theModule; }

TestSettings::TestSettings() : KeyboardSettings(TEXT("SOFTWARE\\Tarvex\\Lexovia")) {}

bool TestSettings::Reload()
{
    ++reloads;
    return reportChange;
}

void TestPanel::Note(const std::string& call) { PanelCalls().push_back(std::string(name) + "." + call); }

void TestPanel::Init() { Note("Init"); }
void TestPanel::Paint(HDC, PAINTSTRUCT*) { Note("Paint"); }
void TestPanel::DropImageCache() { Note("DropImageCache"); }
void TestPanel::OnPenDown(int x, int y) { Note("OnPenDown " + std::to_string(x) + "," + std::to_string(y)); }
void TestPanel::OnPenUp(int x, int y) { Note("OnPenUp " + std::to_string(x) + "," + std::to_string(y)); }
void TestPanel::OnDoubleTap(int x, int y) { Note("OnDoubleTap " + std::to_string(x) + "," + std::to_string(y)); }
void TestPanel::OnPenMove(int x, int y) { Note("OnPenMove " + std::to_string(x) + "," + std::to_string(y)); }
void TestPanel::OnTimer(UINT timerId) { Note("OnTimer " + std::to_string(timerId)); }
void TestPanel::OnSelect() { Note("OnSelect"); }
void TestPanel::OnDeselect() { Note("OnDeselect"); }
void TestPanel::OnShowing() { Note("OnShowing"); }
void TestPanel::OnHiding() { Note("OnHiding"); }

SipPanel* TestModule::Panel(int index) { return index == 0 ? static_cast<SipPanel*>(&firstPanel) : &secondPanel; }
