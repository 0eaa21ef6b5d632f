#include "controls/edit_text.h"

#include <algorithm>

namespace platform::controls {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kDeleteCharacter = 0x7F;  // Ctrl+Backspace

bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

size_t EditText::SelectionStart() const { return std::min(anchor_, caret_); }

size_t EditText::SelectionEnd() const { return std::max(anchor_, caret_); }

void EditText::Replace(std::u16string_view text)
{
    text_ = text;
    anchor_ = caret_ = 0;
}

EditText::Typing EditText::Type(char16_t character)
{
    bool selected = anchor_ != caret_;
    if (character == kBackspace) {
        if (!selected && caret_ == 0) return Typing::Ignored;
        if (!selected) anchor_ = PositionBefore(caret_);
        ReplaceSelection({});
        return Typing::Changed;
    }
    if (character < 0x20 || character == kDeleteCharacter) return Typing::Ignored;
    if (text_.size() - (SelectionEnd() - SelectionStart()) + 1 > limit_) return Typing::Refused;
    ReplaceSelection(std::u16string_view(&character, 1));
    return Typing::Changed;
}

void EditText::Select(int start, int end)
{
    size_t last = Valid(static_cast<size_t>(static_cast<UINT>(end)));
    anchor_ = start == -1 ? caret_ : Valid(static_cast<size_t>(static_cast<UINT>(start)));
    caret_ = start == -1 ? caret_ : last;
}

void EditText::PlaceCaret(size_t at) { anchor_ = caret_ = Valid(at); }

void EditText::SetLimit(size_t limit) { limit_ = limit ? limit : kDefaultLimit; }

bool EditText::IsCaretPosition(size_t at) const
{
    return at <= text_.size() && !(at > 0 && at < text_.size() && IsLowSurrogate(text_[at]) &&
                                   IsHighSurrogate(text_[at - 1]));
}

void EditText::ReplaceSelection(std::u16string_view replacement)
{
    size_t start = SelectionStart();
    text_.replace(start, SelectionEnd() - start, replacement);
    anchor_ = caret_ = start + replacement.size();
}

size_t EditText::PositionBefore(size_t at) const
{
    size_t before = at - 1;
    return IsCaretPosition(before) ? before : before - 1;
}

size_t EditText::Valid(size_t at) const
{
    at = std::min(at, text_.size());
    return IsCaretPosition(at) ? at : at - 1;
}

}  // namespace platform::controls
