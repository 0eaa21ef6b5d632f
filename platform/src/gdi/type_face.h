// A host font face at one size, rendered in the platform's crisp style: one
// bit per pixel, no smoothing, with a fallback face at the same size for the
// characters it lacks. Glyphs are kept once rendered.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wingdi.h>

#include "gdi/freetype_library.h"

namespace platform::gdi {

struct Glyph {
    int left = 0;     // first column, from the pen position
    int top = 0;      // first row, upwards from the baseline
    int width = 0;
    int rows = 0;
    int advance = 0;  // where the pen moves on to
    std::vector<bool> ink;  // width x rows, row by row from the top
};

class TypeFace {
public:
    // The face of FILE at the size FONT asks for: a negative lfHeight is the
    // character (em) height, a positive one the cell height (ascent plus
    // descent), 0 a character height of 12; FALLBACK's face, at the same
    // character height, draws what FILE's lacks. Null, with ERROR set, when
    // a file cannot be read.
    static std::unique_ptr<TypeFace> Open(const std::string& file, const std::string& fallback,
                                          const LOGFONTW& font, std::string& error);
    ~TypeFace();
    TypeFace(const TypeFace&) = delete;
    TypeFace& operator=(const TypeFace&) = delete;

    int Ascent() const { return ascent_; }
    int Height() const { return ascent_ + descent_; }

    // The face's own missing-character glyph stands for what neither face has.
    const Glyph& GlyphOf(char32_t character);

private:
    TypeFace(SharedFreeType library, FT_Face face, FT_Face fallback)
        : library_(std::move(library)), face_(face), fallback_(fallback)
    {
    }
    void Size(const LOGFONTW& font);
    void SizeFromStrikes(const LOGFONTW& font);

    SharedFreeType library_;  // outlives the faces
    FT_Face face_;
    FT_Face fallback_;  // null when it is the face's own file
    int ascent_ = 0;
    int descent_ = 0;
    std::map<char32_t, Glyph> glyphs_;
};

}  // namespace platform::gdi
