// One line of text in a face: its characters, how wide it is, and drawing it.
#pragma once

#include <string>
#include <string_view>

#include "gdi/canvas.h"
#include "gdi/type_face.h"

namespace platform::gdi {

// TEXT's characters; a lone surrogate stands for U+FFFD.
std::u32string CodePoints(std::u16string_view text);

// How far the pen moves over TEXT; ADVANCES, when given, replace the face's
// advances character by character.
int RunWidth(TypeFace& face, std::u32string_view text, const int* advances = nullptr);

// Draws the glyphs of TEXT in COLOUR with the top-left corner of its first
// character cell at TOP_LEFT (context coordinates). The background is left as it is.
void DrawRun(const Canvas& canvas, TypeFace& face, std::u32string_view text, POINT topLeft, COLORREF colour,
             const int* advances = nullptr);

}  // namespace platform::gdi
