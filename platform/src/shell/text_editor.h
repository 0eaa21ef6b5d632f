// The focused application: an edit control's text and caret, changed by the
// keys and characters that the input panel delivers.
#pragma once

#include <string>
#include <string_view>

#include <windef.h>

namespace platform::shell {

class TextEditor {
public:
    // A key pressed without a character: editing and caret keys act, any
    // other key (a letter under Ctrl, a modifier) changes nothing.
    void KeyDown(UINT virtualKey);
    // A typed character: Backspace deletes, Enter breaks the line, Tab and
    // printable characters are inserted; other control characters are ignored.
    void Character(UINT character);
    // Typed text, character by character; "\r\n" is one line break.
    void Text(std::u16string_view text);

    const std::u16string& Contents() const { return text; }
    size_t Caret() const { return caret; }
    void Clear();

private:
    void Insert(char16_t character);
    void DeleteBeforeCaret();
    void DeleteAfterCaret();
    // Caret positions one character away; a surrogate pair is one character.
    size_t PreviousPosition() const;
    size_t NextPosition() const;

    std::u16string text;
    size_t caret = 0;  // in UTF-16 units, never inside a surrogate pair
};

// The application that has the focus on this device.
TextEditor& FocusedEditor();

}  // namespace platform::shell
