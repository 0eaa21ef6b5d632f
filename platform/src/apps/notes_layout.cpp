#include "apps/notes_layout.h"

#include <algorithm>

#include "gdi/word_wrap.h"

namespace platform::apps {

namespace {

bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// How much of PIECE fits WIDTH: at least one character, a surrogate pair whole.
size_t FittingPrefix(std::u16string_view piece, int width, const MeasureText& measure)
{
    size_t fits = 1;
    for (size_t next = 1; next <= piece.size(); ++next) {
        if (next < piece.size() && IsLowSurrogate(piece[next])) continue;
        if (measure(piece.substr(0, next)) > width) break;
        fits = next;
    }
    if (fits < piece.size() && IsLowSurrogate(piece[fits])) ++fits;
    return fits;
}

// A word wider than the window is broken between characters, as an edit
// control breaks it, rather than cut off.
void AddPiece(size_t start, std::u16string_view piece, int width, const MeasureText& measure,
              std::vector<NotesLine>& lines)
{
    while (piece.size() > 1 && measure(piece) > width) {
        size_t fits = FittingPrefix(piece, width, measure);
        lines.push_back({start, fits});
        start += fits;
        piece.remove_prefix(fits);
    }
    lines.push_back({start, piece.size()});
}

// The wrapped lines of the paragraph at START, LENGTH long, as offsets into
// TEXT.
void AddParagraph(std::u16string_view text, size_t start, size_t length, int width, const MeasureText& measure,
                  std::vector<NotesLine>& lines)
{
    std::u16string_view paragraph = text.substr(start, length);
    for (std::u16string_view piece : gdi::WrapWords(paragraph, width, measure))
        AddPiece(start + static_cast<size_t>(piece.data() - paragraph.data()), piece, width, measure, lines);
}

// The caret belongs to the last line starting at or before it.
size_t LineOfCaret(const std::vector<NotesLine>& lines, size_t caret)
{
    size_t line = 0;
    while (line + 1 < lines.size() && lines[line + 1].start <= caret) ++line;
    return line;
}

}  // namespace

NotesLayout LayOutNotes(std::u16string_view text, size_t caret, int width, const MeasureText& measure)
{
    NotesLayout layout;
    size_t start = 0;
    for (size_t end = text.find(u'\n'); end != std::u16string_view::npos; end = text.find(u'\n', start)) {
        AddParagraph(text, start, end - start, width, measure, layout.lines);
        start = end + 1;
    }
    AddParagraph(text, start, text.size() - start, width, measure, layout.lines);
    caret = std::min(caret, text.size());
    layout.caretLine = LineOfCaret(layout.lines, caret);
    const NotesLine& line = layout.lines[layout.caretLine];
    layout.caretX = measure(text.substr(line.start, caret - line.start));
    return layout;
}

size_t FirstShownLine(size_t caretLine, size_t shown)
{
    return caretLine < shown ? 0 : caretLine + 1 - std::max<size_t>(shown, 1);
}

}  // namespace platform::apps
