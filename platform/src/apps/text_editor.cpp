#include "apps/text_editor.h"

#include <device/text_editor.h>
#include <winuser.h>

namespace {

const char16_t kLineBreak = u'\n';

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool IsIgnoredControl(UINT character) { return character < 0x20 || character == 0x7F; }

}  // namespace

namespace platform::apps {

void TextEditor::KeyDown(UINT virtualKey)
{
    switch (virtualKey) {
    case VK_BACK: DeleteBeforeCaret(); break;
    case VK_DELETE: DeleteAfterCaret(); break;
    case VK_LEFT: MoveCaret(PreviousPosition()); break;
    case VK_RIGHT: MoveCaret(NextPosition()); break;
    case VK_RETURN: Insert(kLineBreak); break;
    case VK_TAB: Insert(u'\t'); break;
    default: break;
    }
}

void TextEditor::Character(UINT character)
{
    switch (character) {
    case 0x08: DeleteBeforeCaret(); break;
    case 0x09: Insert(u'\t'); break;
    case 0x0A:
    case 0x0D: Insert(kLineBreak); break;
    default:
        if (character <= 0xFFFF && !IsIgnoredControl(character)) Insert(static_cast<char16_t>(character));
        break;
    }
}

void TextEditor::Text(std::u16string_view typed)
{
    for (size_t i = 0; i < typed.size(); ++i)
        if (!(typed[i] == u'\n' && i > 0 && typed[i - 1] == u'\r')) Character(typed[i]);
}

void TextEditor::Clear()
{
    if (text.empty()) return;
    text.clear();
    caret = 0;
    Changed();
}

void TextEditor::Insert(char16_t character)
{
    text.insert(caret++, 1, character);
    Changed();
}

void TextEditor::DeleteBeforeCaret()
{
    size_t start = PreviousPosition();
    if (start == caret) return;
    text.erase(start, caret - start);
    caret = start;
    Changed();
}

void TextEditor::DeleteAfterCaret()
{
    size_t end = NextPosition();
    if (end == caret) return;
    text.erase(caret, end - caret);
    Changed();
}

void TextEditor::MoveCaret(size_t position)
{
    if (position == caret) return;
    caret = position;
    Changed();
}

void TextEditor::Changed() const
{
    if (changed) changed();
}

size_t TextEditor::PreviousPosition() const
{
    if (caret == 0) return 0;
    bool pair = caret >= 2 && IsLowSurrogate(text[caret - 1]) && IsHighSurrogate(text[caret - 2]);
    return caret - (pair ? 2 : 1);
}

size_t TextEditor::NextPosition() const
{
    if (caret == text.size()) return caret;
    bool pair = caret + 1 < text.size() && IsHighSurrogate(text[caret]) && IsLowSurrogate(text[caret + 1]);
    return caret + (pair ? 2 : 1);
}

TextEditor& FocusedEditor()
{
    static TextEditor editor;
    return editor;
}

}  // namespace platform::apps

namespace device {

std::u16string EditorText() { return platform::apps::FocusedEditor().Contents(); }

size_t EditorCaret() { return platform::apps::FocusedEditor().Caret(); }

void ClearEditor() { platform::apps::FocusedEditor().Clear(); }

}  // namespace device
