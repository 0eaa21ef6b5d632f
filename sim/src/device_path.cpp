#include "device_path.h"

#include <algorithm>

#include <device/text.h>

#include "display_text.h"

Parsed<std::u16string> ParseDevicePath(const ScriptWord& word)
{
    const std::string& text = word.text;
    if (!text.starts_with('\\'))
        return Parsed<std::u16string>::Failure("bad path " + Quoted(text) + ": device paths start with \\");
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return Parsed<std::u16string>::Failure("bad path " + Quoted(text) +
                                               ": it holds a control character; inside quotes write \\\\ for \\");
    std::u16string path = device::Utf16(text);
    if (path.size() > 1 && path.back() == u'\\') path.pop_back();
    return path;
}
