// The focused application as the driver sees it: a text editor that the input
// panel types into. Line breaks are "\n".
#pragma once

#include <string>

namespace device {

std::u16string EditorText();
// The caret, in UTF-16 units from the start of the text.
size_t EditorCaret();
void ClearEditor();

}  // namespace device
