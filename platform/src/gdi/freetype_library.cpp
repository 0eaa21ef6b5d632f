#include "gdi/freetype_library.h"

namespace platform::gdi {

namespace {

SharedFreeType Start()
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library)) return nullptr;
    return SharedFreeType(library, [](FT_Library started) { FT_Done_FreeType(started); });
}

}  // namespace

SharedFreeType FreeType()
{
    static SharedFreeType library = Start();
    return library;
}

}  // namespace platform::gdi
