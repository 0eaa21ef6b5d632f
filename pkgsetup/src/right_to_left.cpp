#include "right_to_left.h"

namespace {

const DWORD kRightToLeftLanguages[] = {0x401, 0x40D, 0x429};

}  // namespace

bool IsRightToLeftLanguage(DWORD lcid)
{
    for (DWORD language : kRightToLeftLanguages)
        if (language == lcid) return true;
    return false;
}
