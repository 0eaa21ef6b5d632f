// The host font files that stand in for the platform's faces.
#pragma once

#include <string>

#include <wingdi.h>

namespace platform::gdi {

struct FontFiles {
    std::string face;      // draws what it has
    std::string fallback;  // draws the characters the face lacks
};

// The files FONT is drawn with: its face name (any case) picks a family,
// unknown names Tahoma's; weight (semi-bold and heavier) and italic pick the
// style. The faces are Wine's metric-compatible ones (Debian's fonts-wine)
// where Wine has the style, DejaVu (fonts-dejavu-core, fonts-dejavu-extra)
// otherwise and for every script a face lacks.
FontFiles FontFilesFor(const LOGFONTW& font);

// The Debian package that brings FILE, for the message when it is missing.
std::string FontPackageOf(const std::string& file);

}  // namespace platform::gdi
