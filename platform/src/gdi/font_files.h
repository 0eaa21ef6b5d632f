// The host font files that stand in for the platform's faces.
#pragma once

#include <string>

#include <wingdi.h>

namespace platform::gdi {

// The file FONT is drawn with: its face name (any case) picks a family,
// "Tahoma", "MS Sans Serif", "System" and unknown names the sans-serif one;
// weight (semi-bold and heavier) and italic pick the style.
std::string FontFileFor(const LOGFONTW& font);

}  // namespace platform::gdi
