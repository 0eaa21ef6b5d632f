#include "shell/shell_bars_layout.h"

#include <device/screen.h>

namespace {

constexpr uint64_t kMinute = 60 * 1000;
constexpr uint64_t kDay = 24 * 60 * kMinute;
constexpr uint64_t kClockAtStart = (10 * 60 + 38) * kMinute;
constexpr LONG kClockWidth = 36;

}  // namespace

namespace platform::shell {

const RECT kStartFlag = {2, 2, 24, device::kNavigationBarHeight - 2};
const RECT kDoneButton = {device::kScreenWidth - 28, 3, device::kScreenWidth - 3, device::kNavigationBarHeight - 3};

RECT TimeArea(bool doneButton)
{
    LONG right = doneButton ? kDoneButton.left - 3 : device::kScreenWidth - 3;
    return {right - kClockWidth, 0, right, device::kNavigationBarHeight};
}

// The title gives way to the clock and the OK button, whichever is shown.
const RECT kTitleArea = {kStartFlag.right + 4, 0, TimeArea(true).left - 2, device::kNavigationBarHeight};

const RECT kSipButton = {device::kScreenWidth - 36, 1, device::kScreenWidth, device::kMenuBarHeight};

std::u16string ClockText(uint64_t ticks)
{
    uint64_t minutes = (kClockAtStart + ticks) % kDay / kMinute;
    std::u16string text;
    for (char c : std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60))
        text.push_back(static_cast<char16_t>(c));
    return text;
}

}  // namespace platform::shell
