// Bitmaps kept in a reviewable text form:
//
//   # a comment
//   bits 4                  1, 4, 8 or 24 bits per pixel
//   colour . C0C0C0         a character and its colour as RRGGBB; the palette
//   colour # 000000         takes the colours in the order they are listed
//   |..##..|                the pixels between bars, one line per row from the top
//
// Every row has the same width; every character used has a colour.
#pragma once

#include <string>
#include <string_view>

#include "dib_builder.h"

struct TextArt {
    DibSpec bitmap;
    std::string error;  // the first fault, with its line number; empty when read
};

TextArt ReadTextArt(std::string_view text);
