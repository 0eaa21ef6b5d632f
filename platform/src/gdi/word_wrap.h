// Where DT_WORDBREAK breaks a line of text to fit a width.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace platform::gdi {

// The lines LINE makes within WIDTH, MEASURE telling how wide a piece is
// drawn. A break falls between words, and the spaces at a break are dropped;
// a word wider than WIDTH has a line to itself and is cut by the clip, as on
// the platform. An empty line stays one empty line.
std::vector<std::u16string_view> WrapWords(std::u16string_view line, int width,
                                           const std::function<int(std::u16string_view)>& measure);

}  // namespace platform::gdi
