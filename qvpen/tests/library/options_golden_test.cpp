// The options page and the rule dialog as the screen shows them, in English
// and in a right-to-left language, against reference images.
#include <device/dialogs.h>
#include <device/paint.h>
#include <device/screen.h>

#include "golden_image.h"
#include "options_device.h"

namespace {

struct Language {
    LCID id;
    const char* name;
};

class OptionsGoldenTest : public OptionsDevice, public ::testing::WithParamInterface<Language> {
protected:
    LCID InterfaceLanguage() const override { return GetParam().id; }

    ::testing::AssertionResult ScreenMatches(const char* what)
    {
        device::DeliverPaints();
        return MatchesGolden(device::CaptureScreen(),
                             std::string(QVPEN_GOLDEN "/") + what + "_" + GetParam().name + ".png");
    }
};

}  // namespace

TEST_P(OptionsGoldenTest, ThePageWithAUserTableAndTheRuleDialogChangingARule)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("0 61=430;61 5C=E0;"));
    Then([&](HWND page) {
        Choose(page, kRuleList, 1);
        EXPECT_TRUE(ScreenMatches("options_page"));
        Click(page, kChangeButton);
    });
    Then([&](HWND rule) {
        EXPECT_TRUE(ScreenMatches("rule_dialog"));
        SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
    });
    Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
    OpenOptions();
}

INSTANTIATE_TEST_SUITE_P(Languages, OptionsGoldenTest,
                         ::testing::Values(Language{1033, "english"}, Language{1037, "hebrew"}),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });
