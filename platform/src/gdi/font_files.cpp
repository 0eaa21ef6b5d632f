#include "gdi/font_files.h"

#include <cwctype>
#include <string_view>

namespace platform::gdi {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";

struct Family {
    std::u16string_view face;  // the platform's name
    const char* regular;       // host file names
    const char* bold;
    const char* italic;
    const char* boldItalic;
};

constexpr Family kSans{u"Tahoma", "DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                       "DejaVuSans-BoldOblique.ttf"};

constexpr Family kFamilies[] = {
    kSans,
    // The dialogs' face: narrow enough that a page of 160 dialog units spans
    // the screen's 240 pixels, as on the device.
    {u"MS Sans Serif", "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf", "DejaVuSansCondensed-Oblique.ttf",
     "DejaVuSansCondensed-BoldOblique.ttf"},
    {u"System", kSans.regular, kSans.bold, kSans.italic, kSans.boldItalic},
    {u"Courier New", "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
     "DejaVuSansMono-BoldOblique.ttf"},
    {u"Times New Roman", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
     "DejaVuSerif-BoldItalic.ttf"},
};

bool SameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::u16string_view FaceName(const LOGFONTW& font)
{
    size_t length = 0;
    while (length < LF_FACESIZE && font.lfFaceName[length]) ++length;
    return {font.lfFaceName, length};
}

const Family& FamilyOf(const LOGFONTW& font)
{
    for (const Family& family : kFamilies)
        if (SameName(family.face, FaceName(font))) return family;
    return kFamilies[0];
}

}  // namespace

std::string FontFileFor(const LOGFONTW& font)
{
    const Family& family = FamilyOf(font);
    bool bold = font.lfWeight >= FW_SEMIBOLD;
    const char* file = font.lfItalic ? (bold ? family.boldItalic : family.italic) : (bold ? family.bold : family.regular);
    return std::string(kFontFolder) + file;
}

}  // namespace platform::gdi
