#include "right_to_left_languages.h"

namespace {

const LCID kRightToLeftLanguages[] = {1025, 1037, 1065};

}  // namespace

bool IsRightToLeftLanguage(LCID language)
{
    for (LCID rightToLeft : kRightToLeftLanguages)
        if (rightToLeft == language) return true;
    return false;
}
