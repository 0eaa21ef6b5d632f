// What a single-line edit control holds, apart from drawing: its text, the
// selection with the caret at its active end, and how long the user may make
// the text. Positions count UTF-16 units and never fall inside a surrogate pair.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace platform::controls {

class EditText {
public:
    // EM_LIMITTEXT with 0, and the limit of a new control.
    static constexpr size_t kDefaultLimit = 0x7FFFFFFE;

    enum class Typing {
        Changed,  // the text is different
        Refused,  // the character would take the text beyond its limit
        Ignored,  // nothing to do: a control character, or Backspace at the start
    };

    const std::u16string& Text() const { return text_; }
    size_t Caret() const { return caret_; }
    size_t SelectionStart() const;
    size_t SelectionEnd() const;
    size_t Limit() const { return limit_; }

    // The whole text replaced, whatever the limit; nothing selected, the caret at the start.
    void Replace(std::u16string_view text);

    // A character typed: Backspace (8) deletes the selection or the character
    // before the caret; other control characters are ignored; anything else
    // replaces the selection, unless the text would outgrow the limit.
    Typing Type(char16_t character);

    // EM_SETSEL: START of -1 keeps only the caret; END of -1 (or beyond the
    // text) is the end of the text; the caret goes to END.
    void Select(int start, int end);

    // The caret at AT (or at the nearest position before it), nothing selected.
    void PlaceCaret(size_t at);

    // EM_LIMITTEXT: 0 restores the default. Text already longer stays.
    void SetLimit(size_t limit);

    // True for a position between characters, where the caret may stand.
    bool IsCaretPosition(size_t at) const;

private:
    void ReplaceSelection(std::u16string_view replacement);
    size_t PositionBefore(size_t at) const;
    size_t Valid(size_t at) const;

    std::u16string text_;
    size_t anchor_ = 0;  // where the selection began; the caret when nothing is selected
    size_t caret_ = 0;   // the selection's active end, where typing goes
    size_t limit_ = kDefaultLimit;
};

}  // namespace platform::controls
