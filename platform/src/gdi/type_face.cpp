#include "gdi/type_face.h"

#include <algorithm>
#include <cmath>

#include FT_TRUETYPE_TABLES_H

namespace platform::gdi {

namespace {

constexpr int kDefaultCharacterHeight = 12;

// The platform measures a face by its Windows ascent and descent, where the
// face has them.
struct VerticalMetrics {
    double ascent;   // font units
    double descent;  // font units, positive
};

VerticalMetrics MetricsOf(FT_Face face)
{
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) return {double(os2->usWinAscent), double(os2->usWinDescent)};
    return {double(face->ascender), double(-face->descender)};
}

int CharacterHeight(const LOGFONTW& font, FT_Face face, const VerticalMetrics& metrics)
{
    if (font.lfHeight < 0) return -font.lfHeight;
    if (font.lfHeight == 0) return kDefaultCharacterHeight;
    return std::max(1, int(std::lround(font.lfHeight * face->units_per_EM / (metrics.ascent + metrics.descent))));
}

Glyph Rendered(const FT_GlyphSlot slot)
{
    const FT_Bitmap& bitmap = slot->bitmap;
    Glyph glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.ink.resize(static_cast<size_t>(glyph.width) * glyph.rows);
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            bool set = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x / 8] >> (7 - x % 8)) & 1 : row[x] >= 128;
            glyph.ink[static_cast<size_t>(y) * glyph.width + x] = set;
        }
    }
    return glyph;
}

}  // namespace

std::unique_ptr<TypeFace> TypeFace::Open(const std::string& file, const LOGFONTW& font, std::string& error)
{
    FT_Face face = nullptr;
    SharedFreeType library = FreeType();
    if (!library || FT_New_Face(library.get(), file.c_str(), 0, &face)) {
        error = "cannot read the font file " + file;
        return nullptr;
    }
    std::unique_ptr<TypeFace> opened(new TypeFace(std::move(library), face));
    opened->Size(font);
    return opened;
}

TypeFace::~TypeFace() { FT_Done_Face(face_); }

void TypeFace::Size(const LOGFONTW& font)
{
    VerticalMetrics metrics = MetricsOf(face_);
    int height = CharacterHeight(font, face_, metrics);
    FT_Set_Pixel_Sizes(face_, 0, height);
    double scale = double(height) / face_->units_per_EM;
    ascent_ = int(std::lround(metrics.ascent * scale));
    descent_ = int(std::lround(metrics.descent * scale));
}

const Glyph& TypeFace::GlyphOf(char32_t character)
{
    auto found = glyphs_.find(character);
    if (found != glyphs_.end()) return found->second;
    Glyph glyph;
    if (!FT_Load_Char(face_, character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) glyph = Rendered(face_->glyph);
    return glyphs_.emplace(character, std::move(glyph)).first->second;
}

}  // namespace platform::gdi
