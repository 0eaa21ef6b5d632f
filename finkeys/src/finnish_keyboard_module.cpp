#include "finnish_keyboard_module.h"

#include <apply_dialog_strings.h>

#include "english_panel.h"
#include "finnish_dialog_strings.h"
#include "finnish_panel.h"

// {42112D3E-CDA6-4AAB-931E-CE2104F07C21}
const CLSID kInputMethodClsid = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};

namespace {

const WCHAR kProductKey[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");

// The panels come first: the module reaches them until it is destroyed.
FinnishPanel finnishPanel;
EnglishPanel englishPanel;
FinnishKeyboardModule theModule;

KeyboardPanel* const kPanels[] = {&finnishPanel, &englishPanel};
constexpr int kPanelCount = sizeof(kPanels) / sizeof(kPanels[0]);

}  // namespace

FinnishKeyboardModule& TheKeyboardModule() { return theModule; }

FinnishKeyboardModule::FinnishKeyboardModule() : settings(kProductKey) {}

// The settings record closes its key before the framework frees the images.
FinnishKeyboardModule::~FinnishKeyboardModule() = default;

LPCWSTR FinnishKeyboardModule::Name() { return TEXT("Finnish keyboard"); }

LPCWSTR FinnishKeyboardModule::Description() { return TEXT("Tarvex Lexovia - Finnish keyboard."); }

int FinnishKeyboardModule::PanelCount() { return kPanelCount; }

SipPanel* FinnishKeyboardModule::Panel(int index) { return index >= 0 && index < kPanelCount ? kPanels[index] : nullptr; }

KeyboardSettings* FinnishKeyboardModule::Settings() { return &settings; }

// The framework's English texts, then the Finnish ones.
void FinnishKeyboardModule::LocalizeDialog(HWND dialog, int dialogId, LCID language)
{
    SipModule::LocalizeDialog(dialog, dialogId, language);
    ApplyDialogStrings(dialog, dialogId, language, kFinnishDialogStrings, kFinnishDialogStringRows);
}
