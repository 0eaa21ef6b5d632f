#include "gdi/font_files.h"

#include <cwctype>
#include <string_view>

namespace platform::gdi {

namespace {

constexpr const char* kWineFolder = "/usr/share/wine/fonts/";
constexpr const char* kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

// One style's files: Wine's face (null where Wine has none) and DejaVu's.
struct StyleFiles {
    const char* wine;
    const char* dejaVu;
};

struct Family {
    std::u16string_view face;  // the platform's name
    StyleFiles regular, bold, italic, boldItalic;
};

constexpr Family kTahoma{u"Tahoma",
                         {"tahoma.ttf", "DejaVuSans.ttf"},
                         {"tahomabd.ttf", "DejaVuSans-Bold.ttf"},
                         {nullptr, "DejaVuSans-Oblique.ttf"},
                         {nullptr, "DejaVuSans-BoldOblique.ttf"}};

constexpr Family kFamilies[] = {
    kTahoma,
    // The dialogs' face: Wine's has the device's metrics, so a page of 160
    // dialog units spans the screen's 240 pixels. Its bold is Tahoma's.
    {u"MS Sans Serif",
     {"ms_sans_serif.ttf", "DejaVuSansCondensed.ttf"},
     {"tahomabd.ttf", "DejaVuSansCondensed-Bold.ttf"},
     {nullptr, "DejaVuSansCondensed-Oblique.ttf"},
     {nullptr, "DejaVuSansCondensed-BoldOblique.ttf"}},
    // The device's system face is Tahoma, not the desktop's bold raster System.
    {u"System", kTahoma.regular, kTahoma.bold, kTahoma.italic, kTahoma.boldItalic},
    // Wine's Courier is a raster face of one size; Courier New scales.
    {u"Courier New",
     {nullptr, "DejaVuSansMono.ttf"},
     {nullptr, "DejaVuSansMono-Bold.ttf"},
     {nullptr, "DejaVuSansMono-Oblique.ttf"},
     {nullptr, "DejaVuSansMono-BoldOblique.ttf"}},
    {u"Times New Roman",
     {nullptr, "DejaVuSerif.ttf"},
     {nullptr, "DejaVuSerif-Bold.ttf"},
     {nullptr, "DejaVuSerif-Italic.ttf"},
     {nullptr, "DejaVuSerif-BoldItalic.ttf"}},
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

FontFiles FontFilesFor(const LOGFONTW& font)
{
    const Family& family = FamilyOf(font);
    bool bold = font.lfWeight >= FW_SEMIBOLD;
    const StyleFiles& style =
        font.lfItalic ? (bold ? family.boldItalic : family.italic) : (bold ? family.bold : family.regular);
    std::string dejaVu = std::string(kDejaVuFolder) + style.dejaVu;
    return {style.wine ? std::string(kWineFolder) + style.wine : dejaVu, dejaVu};
}

std::string FontPackageOf(const std::string& file)
{
    if (file.starts_with(kWineFolder)) return "fonts-wine";
    // The core package holds the upright regular and bold faces only.
    bool upright = file.find("Oblique") == std::string::npos && file.find("Italic") == std::string::npos &&
                   file.find("Condensed") == std::string::npos;
    return upright ? "fonts-dejavu-core" : "fonts-dejavu-extra";
}

}  // namespace platform::gdi
