// The device's screen and the shell's fixed bars on it, in pixels.
#pragma once

namespace device {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr int kNavigationBarHeight = 26;  // the shell's title and Start bar along the top
constexpr int kMenuBarHeight = 26;        // the command bar along the bottom
// The input panel stands on the menu bar, so its bottom edge never moves.
constexpr int kInputPanelBottom = kScreenHeight - kMenuBarHeight;

}  // namespace device
