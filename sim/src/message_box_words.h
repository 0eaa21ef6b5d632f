// Message boxes in a script's words: answers by name, boxes as
// "text" "caption" 0x24.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

std::optional<int> AnswerFromName(std::string_view name);
std::string AnswerName(int answer);  // "yes"; "nobody" for a box nobody answered
std::string AnswerNames();           // "ok, cancel, ..." for messages

std::string DescribeMessageBox(const std::u16string& text, const std::u16string& caption, UINT style);
