// Rectangles as text, so that a test compares them whole and a failure shows them.
#pragma once

#include <string>

#include <windef.h>

inline std::string RectText(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom) + ")";
}
