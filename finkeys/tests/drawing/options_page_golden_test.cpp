#include <device/dialogs.h>
#include <device/paint.h>
#include <device/screen.h>
#include <device/sip.h>

#include <string>

#include "golden_image.h"
#include "keyboard_drawing_device.h"

namespace {

void SetInterfaceLanguage(DWORD language)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("SOFTWARE\\Tarvex\\Lexovia"), 0, nullptr, 0, 0, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, TEXT("InterfaceLang"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&language),
                   sizeof language);
    RegCloseKey(key);
}

class OptionsPageGoldenTest : public KeyboardDrawingDevice {};

// The page as the user sees it: English, Finnish, and Hebrew mirrored.
TEST_F(OptionsPageGoldenTest, ThePageInEnglishFinnishAndHebrew)
{
    struct Case {
        DWORD language;
        const char* reference;
    };
    for (const Case& c : {Case{1033, "options_english"}, Case{1035, "options_finnish"}, Case{1037, "options_hebrew"}}) {
        SetInterfaceLanguage(c.language);
        device::QueueUserAction([&](HWND dialog) {
            device::DeliverPaints();
            EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), std::string(FINKEYS_GOLDEN "/") + c.reference + ".png"))
                << c.reference;
            device::PressDoneButton(dialog);
        });
        EXPECT_EQ(device::OpenInputMethodOptions(), S_OK);
    }
}

}  // namespace
