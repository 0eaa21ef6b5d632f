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

std::unique_ptr<TypeFace> TypeFace::Open(const std::string& file, const std::string& fallback, const LOGFONTW& font,
                                         std::string& error)
{
    SharedFreeType library = FreeType();
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library.get(), file.c_str(), 0, &face)) {
        error = "cannot read the font file " + file;
        return nullptr;
    }
    FT_Face second = nullptr;
    if (fallback != file && FT_New_Face(library.get(), fallback.c_str(), 0, &second)) {
        FT_Done_Face(face);
        error = "cannot read the font file " + fallback;
        return nullptr;
    }
    std::unique_ptr<TypeFace> opened(new TypeFace(std::move(library), face, second));
    opened->Size(font);
    return opened;
}

TypeFace::~TypeFace()
{
    if (fallback_) FT_Done_Face(fallback_);
    FT_Done_Face(face_);
}

void TypeFace::Size(const LOGFONTW& font)
{
    if (!FT_IS_SCALABLE(face_)) {
        SizeFromStrikes(font);
        return;
    }
    VerticalMetrics metrics = MetricsOf(face_);
    int height = CharacterHeight(font, face_, metrics);
    FT_Set_Pixel_Sizes(face_, 0, height);
    if (fallback_) FT_Set_Pixel_Sizes(fallback_, 0, height);
    // A cell height is kept exactly, as the platform keeps it.
    double scale = font.lfHeight > 0 ? font.lfHeight / (metrics.ascent + metrics.descent)
                                     : double(height) / face_->units_per_EM;
    ascent_ = int(std::lround(metrics.ascent * scale));
    descent_ = font.lfHeight > 0 ? font.lfHeight - ascent_ : int(std::lround(metrics.descent * scale));
}

// A face drawn from bitmaps comes in a few sizes: the largest that does not
// exceed what FONT asks for (its character height against a strike's
// ascent, a cell height against the strike's), the smallest when all do.
void TypeFace::SizeFromStrikes(const LOGFONTW& font)
{
    int wanted = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight > 0 ? font.lfHeight : kDefaultCharacterHeight;
    int chosen = -1, chosenHeight = 0;
    for (int index = 0; index < face_->num_fixed_sizes; ++index) {
        FT_Select_Size(face_, index);
        const FT_Size_Metrics& metrics = face_->size->metrics;
        int ascent = int(metrics.ascender >> 6), cell = int((metrics.ascender - metrics.descender) >> 6);
        int height = font.lfHeight > 0 ? cell : ascent;
        bool better = chosen < 0 || (height <= wanted ? chosenHeight > wanted || height > chosenHeight
                                                      : chosenHeight > wanted && height < chosenHeight);
        if (better) {
            chosen = index;
            chosenHeight = height;
        }
    }
    FT_Select_Size(face_, chosen);
    ascent_ = int(face_->size->metrics.ascender >> 6);
    descent_ = int(-face_->size->metrics.descender >> 6);
    if (fallback_) FT_Set_Pixel_Sizes(fallback_, 0, ascent_);
}

const Glyph& TypeFace::GlyphOf(char32_t character)
{
    auto found = glyphs_.find(character);
    if (found != glyphs_.end()) return found->second;
    FT_Face drawing = face_;
    if (fallback_ && !FT_Get_Char_Index(face_, character) && FT_Get_Char_Index(fallback_, character))
        drawing = fallback_;
    Glyph glyph;
    if (!FT_Load_Char(drawing, character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) glyph = Rendered(drawing->glyph);
    return glyphs_.emplace(character, std::move(glyph)).first->second;
}

}  // namespace platform::gdi
