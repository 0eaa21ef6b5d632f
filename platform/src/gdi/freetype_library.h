// The process's one FreeType library instance.
#pragma once

#include <memory>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform::gdi {

using SharedFreeType = std::shared_ptr<FT_LibraryRec_>;

// Null when FreeType cannot start. Each face opened with it keeps a share,
// so that the library ends after the last face, whatever order the
// process's static objects (the stock fonts among them) end in.
SharedFreeType FreeType();

}  // namespace platform::gdi
