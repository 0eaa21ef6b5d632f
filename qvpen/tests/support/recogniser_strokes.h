// Writing in the letter recogniser's writing area, for tests.
#pragma once

#include <string_view>

// Writes each character in turn; '\b' is the recogniser's Backspace stroke.
// A failure to write is a test failure.
void WriteStrokes(std::u16string_view strokes);
