#include "input_method_names.h"

#include <objbase.h>

#include <device/text.h>

namespace {

struct NamedInputMethod {
    const char* name;
    CLSID clsid;
};

const NamedInputMethod kKnown[] = {
    {"keyboard", {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}}},
    {"finkeys", {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}}},
    {"qvpen", {0x715587FD, 0xC4DA, 0x41DA, {0xA5, 0x04, 0x0B, 0xE8, 0xD2, 0x97, 0xD0, 0xAD}}},
};

}  // namespace

Parsed<CLSID> ParseInputMethod(const ScriptWord& word)
{
    for (const NamedInputMethod& known : kKnown)
        if (word.text == known.name) return known.clsid;
    CLSID clsid = {};
    if (word.text.starts_with('{') && CLSIDFromString(device::Utf16(word.text).c_str(), &clsid) == S_OK) return clsid;
    return Parsed<CLSID>::Failure("unknown input method \"" + word.text +
                                  "\": write finkeys, qvpen, keyboard or a class identifier such as "
                                  "{42429667-AE04-11D0-A4F8-00AA00A749B9}");
}

std::string ClsidText(const CLSID& clsid)
{
    WCHAR text[40] = {};
    StringFromGUID2(clsid, text, static_cast<int>(std::size(text)));
    return device::Utf8(text);
}

std::string InputMethodName(const CLSID& clsid)
{
    for (const NamedInputMethod& known : kKnown)
        if (known.clsid == clsid) return known.name;
    return ClsidText(clsid);
}
