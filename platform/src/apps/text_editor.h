// The notes application's text and caret, changed by the keys and characters
// that the input panel delivers.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include <windef.h>

namespace platform::apps {

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

    // Told after every change of the text or the caret; an empty one tells nobody.
    void WhenChanged(std::function<void()> handler) { changed = std::move(handler); }

private:
    void Changed() const;
    void Insert(char16_t character);
    void DeleteBeforeCaret();
    void DeleteAfterCaret();
    void MoveCaret(size_t position);
    // Caret positions one character away; a surrogate pair is one character.
    size_t PreviousPosition() const;
    size_t NextPosition() const;

    std::u16string text;
    size_t caret = 0;  // in UTF-16 units, never inside a surrogate pair
    std::function<void()> changed;
};

// The text of the application that has the focus on this device.
TextEditor& FocusedEditor();

}  // namespace platform::apps
