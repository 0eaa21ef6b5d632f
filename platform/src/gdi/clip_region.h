// Where a device context may draw: a set of rectangles that do not overlap.
#pragma once

#include <vector>

#include <windef.h>

namespace platform::gdi {

class ClipRegion {
public:
    ClipRegion() = default;
    explicit ClipRegion(const RECT& rect);

    void Intersect(const RECT& rect);
    void Subtract(const RECT& rect);

    const std::vector<RECT>& Rects() const { return rects_; }
    bool Holds(int x, int y) const;

private:
    std::vector<RECT> rects_;
};

}  // namespace platform::gdi
