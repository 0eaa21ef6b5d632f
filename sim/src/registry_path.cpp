#include "registry_path.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include <device/text.h>

#include "display_text.h"

namespace {

struct RootName {
    std::string_view shortName;
    std::string_view longName;
    HKEY root;
};

const RootName kRoots[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
};

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::toupper(static_cast<unsigned char>(x)) == y; });
}

const RootName* FindRoot(std::string_view name)
{
    for (const RootName& root : kRoots)
        if (SameLetters(name, root.shortName) || SameLetters(name, root.longName)) return &root;
    return nullptr;
}

// A line break or tab in a key path is almost always "\n" or "\t" met inside
// quotes where a backslash was meant.
bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace

Parsed<RegistryPath> ParseRegistryPath(const ScriptWord& word)
{
    std::string_view text = word.text;
    if (HasControlCharacter(text))
        return Parsed<RegistryPath>::Failure("bad key " + Quoted(text) +
                                             ": it holds a control character; inside quotes write \\\\ for \\");
    if (text.ends_with('\\')) text.remove_suffix(1);
    size_t slash = text.find('\\');
    const RootName* root = FindRoot(text.substr(0, slash));
    if (!root)
        return Parsed<RegistryPath>::Failure("bad key \"" + word.text + "\": it starts with HKLM, HKCU or HKCR");
    std::string_view subkey = slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);
    if (subkey.find("\\\\") != std::string_view::npos || subkey.starts_with('\\') ||
        (slash != std::string_view::npos && subkey.empty()))
        return Parsed<RegistryPath>::Failure("bad key \"" + word.text + "\": a key name between backslashes is empty");
    return RegistryPath{root->root, device::Utf16(subkey), word.text};
}

std::string ValueLabel(const std::string& name) { return name.empty() ? "(default)" : Quoted(name); }
