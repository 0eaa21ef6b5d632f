// The bitmap resources that draw the command keys' faces.
#pragma once

#include <windows.h>

inline constexpr UINT kDeleteBitmap = 510;
inline constexpr UINT kBackspaceBitmap = 511;
inline constexpr UINT kTabBitmap = 512;
inline constexpr UINT kCapsLockBitmap = 513;
inline constexpr UINT kEnterUpperBitmap = 514;
inline constexpr UINT kShiftBitmap = 515;
inline constexpr UINT kEnterLowerBitmap = 516;
inline constexpr UINT kCtrlBitmap = 517;
inline constexpr UINT kDownBitmap = 518;
inline constexpr UINT kUpBitmap = 519;
inline constexpr UINT kLeftBitmap = 520;
inline constexpr UINT kRightBitmap = 521;
inline constexpr UINT kAltBitmap = 522;
inline constexpr UINT kEnterBitmap = 523;
inline constexpr UINT kRingUBitmap = 524;
inline constexpr UINT kRingABitmap = 525;

// The bitmaps both panels share: Backspace or Delete on key 13 (by whether
// Shift and Caps agree), Tab, Caps Lock, Shift, Ctrl and the arrows; 0 for
// the other keys.
UINT SharedCommandBitmap(int key, bool shiftEqualsCaps);
