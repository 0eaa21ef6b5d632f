#include <gtest/gtest.h>

#include <device/text.h>

#include "fresh_device.h"
#include "panel_layout.h"
#include "script_run.h"

using KeyboardCommandsTest = FreshDevice;

namespace {

// Each script starts on a device of its own: the panel shown is state.
const char kKeyboardUp[] = "device new\nim register finkeys\nim select finkeys\nsip show\n";

std::string WithKeyboard(const std::string& lines) { return std::string(kKeyboardUp) + lines; }

}  // namespace

TEST_F(KeyboardCommandsTest, RefusalsSayWhatIsMissing)
{
    ExpectFailures({
        {"sip show\ntap-key 28\n", "test.txt:2: the current input method is keyboard, not finkeys: \"im select finkeys\" first\n"},
        {"im register finkeys\nim select finkeys\nsip hide\nhold-key 28 500\n",
         "test.txt:4: the input panel is not shown: \"sip show\" first\n"},
        {WithKeyboard("tap-key 61\n").c_str(), "test.txt:5: no key 61: keys are numbered 0 to 60\n"},
        {WithKeyboard("tap-key -1\n").c_str(), "test.txt:5: no key -1: keys are numbered 0 to 60\n"},
        {WithKeyboard("tap-key 53\ntap-key 56\n").c_str(),
         "test.txt:6: key 56 has no area on the English panel: no tap can reach it\n"},
        {WithKeyboard("panel expect Sv\n").c_str(), "test.txt:5: unknown panel \"Sv\": write Fi or En\n"},
        {WithKeyboard("tap-key 53\npanel expect Fi\n").c_str(), "test.txt:6: the keyboard shows the En panel, not Fi\n"},
        {WithKeyboard("hold-key 28 4294967295\n").c_str(),
         "test.txt:5: 4294967295 ms is more device time than one command may take (at most 86400000 ms, 24 hours): "
         "split it\n"},
        {"wait 86400001\n",
         "test.txt:1: 86400001 ms is more device time than one command may take (at most 86400000 ms, 24 hours): "
         "split it\n"},
    });
}

// Key 56 is Alt on the Finnish panel; the English panel's wider space bar
// ends where it would be.
TEST_F(KeyboardCommandsTest, KeysAreFoundOnThePanelShown)
{
    ScriptRun run = RunScript(WithKeyboard("tap-key 56\ntap-key 47\ntap-key 53\ntap-key 55\ntap-key 47\n"
                                           "text expect \"µ m\"\n"));
    EXPECT_TRUE(run.passed) << run.errors;
}

// What a person reads: the text as a script would quote it, and each call's
// flags by name beside the line "events expect" compares.
TEST_F(KeyboardCommandsTest, TextAndEventsPrintWhatWasTypedAndNameTheFlags)
{
    ScriptRun run = RunScript(WithKeyboard("events clear\ntap-key 40\ntap-key 19\ntext print\nevents print\n"));
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("> text print\n  \"T\"\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("1, \"T\")  # KeyStateDownFlag | KeyShiftAnyShiftFlag\n"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("(0x10, 0x2)                 # KEYEVENTF_KEYUP\n"), std::string::npos) << run.output;
}

// Every character a plane or an accent of either panel makes, in one text.
static std::u16string EveryCharacter()
{
    std::u16string all;
    auto add = [&](LPCWSTR text) {
        for (const WCHAR* c = text; c && *c; ++c)
            if (all.find(static_cast<char16_t>(*c)) == std::u16string::npos) all += static_cast<char16_t>(*c);
    };
    for (const PanelLayout* layout : {&kFinnishLayout, &kEnglishLayout})
        for (int plane = 0; plane < 4; ++plane)
            for (int key = 0; key < kKeyCount; ++key) {
                const KeyDef* def = GetKeyDef(*layout, key, plane & 1, plane & 2, false);
                if (def->kind == KeyChar) add(def->label);
                if (def->kind == KeyDead) add(def->deadComposed);
            }
    return all;
}

TEST_F(KeyboardCommandsTest, TypeMakesEveryCharacterEitherPanelCanMake)
{
    std::u16string all = EveryCharacter();
    ASSERT_GT(all.size(), 150u);
    std::string text = device::Utf8(all);
    std::string quoted;
    for (char c : text) quoted += c == '"' ? std::string("\\\"") : c == '\\' ? std::string("\\\\") : std::string(1, c);
    ScriptRun run = RunScript(WithKeyboard("type \"" + quoted + "\"\ntext expect \"" + quoted + "\"\n"));
    EXPECT_TRUE(run.passed) << run.errors;
}

TEST_F(KeyboardCommandsTest, TypeAndTapLabelNameEveryKeyTheyTapAndRefuseWhatNoKeyMakes)
{
    ScriptRun run = RunScript(WithKeyboard("type \"Tá[\"\ntap-label Space\ntap-label å\ntext expect \"Tá[ å\"\n"));
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("tapped Shift (key 40), t (key 19), ´ (key 12), a (key 28), Alt (key 56), 8 (key 8)"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("> tap-label å\n  tapped"), std::string::npos) << run.output;

    ExpectFailures({
        {std::string(kKeyboardUp) + "type \"ab\u0416\"\ntext expect \"\"\n",
         "test.txt:5: the keyboard cannot type \"\u0416\" (U+0416): no key of either panel makes it\n"},
        {std::string(kKeyboardUp) + "tap-label Hyper\n", "test.txt:5: no key of either keyboard panel shows \"Hyper\"\n"},
        {std::string(kKeyboardUp) + "tap-label En\n", "test.txt:5: no key of the Finnish panel shows \"En\"\n"},
    });
}
