// Where the notes application's text falls in its window: lines broken at the
// line breaks and wrapped at the window's width, and where the caret stands.
// Pure geometry, measured by the caller's font.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace platform::apps {

using MeasureText = std::function<int(std::u16string_view)>;

struct NotesLine {
    size_t start;   // into the text, in UTF-16 units
    size_t length;  // what is drawn: the spaces a wrap drops are not
};

struct NotesLayout {
    std::vector<NotesLine> lines;  // never empty: an empty text is one empty line
    size_t caretLine = 0;
    int caretX = 0;  // from the line's start
};

NotesLayout LayOutNotes(std::u16string_view text, size_t caret, int width, const MeasureText& measure);

// The first line shown when SHOWN lines fit: the top one while the caret's
// line fits below it, else the one that puts the caret's line at the bottom.
size_t FirstShownLine(size_t caretLine, size_t shown);

}  // namespace platform::apps
