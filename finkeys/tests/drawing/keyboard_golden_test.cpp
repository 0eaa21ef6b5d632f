// The whole keyboard as the screen shows it, in the states a user sees,
// against reference images.
#include <vector>

#include "golden_image.h"
#include "keyboard_drawing_device.h"

namespace {

constexpr int kNoKeyHeld = -1;

struct GoldenCase {
    const char* name;
    std::vector<Stroke> strokes;
    int heldKey = kNoKeyHeld;  // pressed at the end and not lifted
    bool coloured = true;
    const char* reference = nullptr;  // the image of another case that this one must show; else its own
};

const GoldenCase kCases[] = {
    {.name = "finnish_plain", .strokes = {}},
    {.name = "finnish_shift", .strokes = {Tap(40)}},
    {.name = "finnish_caps", .strokes = {Tap(27)}},
    {.name = "finnish_alt", .strokes = {Tap(56)}},
    {.name = "finnish_ctrl", .strokes = {Tap(52)}},
    {.name = "finnish_acute_pending", .strokes = {Tap(12)}},
    {.name = "finnish_previews_gone_after_composing", .strokes = {Tap(12), Tap(17)}, .reference = "finnish_plain"},
    {.name = "finnish_diaeresis_pending_shift", .strokes = {Tap(26), Tap(40)}},
    {.name = "finnish_a_pressed", .strokes = {}, .heldKey = 28},
    {.name = "finnish_a_released", .strokes = {Tap(28)}, .reference = "finnish_plain"},
    {.name = "finnish_uncoloured", .strokes = {}, .coloured = false},
    {.name = "english_plain", .strokes = {Tap(53)}},
    {.name = "english_shift_caps", .strokes = {Tap(53), Tap(27), Tap(40)}},
    {.name = "english_enter_pressed", .strokes = {Tap(53)}, .heldKey = 51},
    {.name = "english_space_pressed", .strokes = {Tap(53)}, .heldKey = 55},
    {.name = "finnish_again_after_english", .strokes = {Tap(53), Tap(53)}, .reference = "finnish_plain"},
};

class KeyboardGoldenTest : public KeyboardDrawingDevice, public ::testing::WithParamInterface<GoldenCase> {};

}  // namespace

TEST_P(KeyboardGoldenTest, DrawsTheStateAsTheReferenceShowsIt)
{
    const GoldenCase& c = GetParam();
    if (!c.coloured) SetKeyboardSetting(TEXT("KbdColored"), 0);
    Run(c.strokes);
    if (c.heldKey != kNoKeyHeld) HoldKey(c.heldKey);
    EXPECT_TRUE(MatchesGolden(KeyboardImage(), std::string(FINKEYS_GOLDEN "/") + (c.reference ? c.reference : c.name) + ".png"));
}

INSTANTIATE_TEST_SUITE_P(States, KeyboardGoldenTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });
