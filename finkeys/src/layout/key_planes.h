// A panel's key definitions: eight modifier planes of kKeyCount records,
// plane-major, built at compile time from one row per key.
#pragma once

#include <array>

#include "key_def.h"
#include "key_geometry.h"

inline constexpr int kPlaneCount = 8;

constexpr int PlaneIndex(bool shift, bool alt, bool caps)
{
    return (shift ? 1 : 0) + (alt ? 2 : 0) + (caps ? 4 : 0);
}

// What Caps Lock does to a key, by exchanging its Shift and unshifted records.
enum CapsEffect {
    CapsIgnored,
    CapsInvertsShift,         // letters: Caps + Shift types lower case; not with Alt
    CapsInvertsShiftWithAlt,  // Backspace/Delete: also with Alt
    CapsActsAsShift,          // a rectangle that only completes a key group
};

struct KeyRow {
    CapsEffect caps;
    KeyDef plain;
    KeyDef shift;
    KeyDef alt;
    KeyDef altShift;
};

using KeyPlanes = std::array<KeyDef, kPlaneCount * kKeyCount>;

constexpr bool ShiftedUnder(CapsEffect effect, bool shift, bool alt, bool caps)
{
    switch (effect) {
    case CapsInvertsShift: return shift != (caps && !alt);
    case CapsInvertsShiftWithAlt: return shift != caps;
    case CapsActsAsShift: return shift || caps;
    case CapsIgnored: break;
    }
    return shift;
}

constexpr KeyDef RecordUnder(const KeyRow& row, bool shift, bool alt, bool caps)
{
    const bool shifted = ShiftedUnder(row.caps, shift, alt, caps);
    if (alt) return shifted ? row.altShift : row.alt;
    return shifted ? row.shift : row.plain;
}

constexpr KeyPlanes BuildPlanes(const KeyRow (&rows)[kKeyCount])
{
    KeyPlanes planes{};
    for (int plane = 0; plane < kPlaneCount; ++plane) {
        const bool shift = plane & 1, alt = plane & 2, caps = plane & 4;
        for (int key = 0; key < kKeyCount; ++key)
            planes[plane * kKeyCount + key] = RecordUnder(rows[key], shift, alt, caps);
    }
    return planes;
}
