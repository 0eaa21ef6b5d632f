#include "command_bitmaps.h"

UINT SharedCommandBitmap(int key, bool shiftEqualsCaps)
{
    switch (key) {
    case 13: return shiftEqualsCaps ? kBackspaceBitmap : kDeleteBitmap;
    case 14: return kTabBitmap;
    case 27: return kCapsLockBitmap;
    case 40: return kShiftBitmap;
    case 52: return kCtrlBitmap;
    case 57: return kDownBitmap;
    case 58: return kUpBitmap;
    case 59: return kLeftBitmap;
    case 60: return kRightBitmap;
    default: return 0;
    }
}
