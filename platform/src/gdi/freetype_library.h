// The process's one FreeType library instance.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform::gdi {

// Null when FreeType cannot start.
FT_Library FreeType();

}  // namespace platform::gdi
