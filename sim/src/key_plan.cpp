#include "key_plan.h"

#include <optional>

#include <device/text.h>

namespace {

constexpr int kPlaneCountWithoutCaps = 4;

struct CommandName {
    DWORD virtualKey;
    const char* name;
    char16_t typed;  // the character the key types, or 0
};

const CommandName kCommandNames[] = {
    {0x08, "Backspace", u'\b'}, {0x09, "Tab", u'\t'},    {0x0D, "Enter", u'\n'}, {0x10, "Shift", 0},
    {0x11, "Ctrl", 0},          {0x12, "Alt", 0},        {0x14, "Caps", 0},      {0x20, "Space", u' '},
    {0x25, "Left", 0},          {0x26, "Up", 0},         {0x27, "Right", 0},     {0x28, "Down", 0},
    {0x2E, "Delete", 0},
};

const KeyDef* DefAt(const PanelLayout& layout, int key, int plane)
{
    return GetKeyDef(layout, key, plane & 1, plane & 2, false);
}

const CommandName* CommandOf(const KeyDef& def)
{
    if (def.kind != KeyCommand) return nullptr;
    for (const CommandName& command : kCommandNames)
        if (command.virtualKey == def.code) return &command;
    return nullptr;
}

std::u16string Text(LPCWSTR text) { return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : u""; }

// The modifier taps that select PLANE from rest.
std::vector<KeyTap> Modifiers(const PanelLayout& layout, int plane)
{
    std::vector<KeyTap> taps;
    if (plane & 1) taps.push_back({layout.shiftKey, "Shift"});
    if (plane & 2) taps.push_back({layout.altKey, "Alt"});
    return taps;
}

// A key that types CHARACTER by itself, with the modifiers it needs.
std::optional<std::vector<KeyTap>> DirectTaps(const PanelLayout& layout, char16_t character)
{
    for (int plane = 0; plane < kPlaneCountWithoutCaps; ++plane) {
        for (int key = 0; key < kKeyCount; ++key) {
            const KeyDef& def = *DefAt(layout, key, plane);
            const CommandName* command = CommandOf(def);
            bool types = def.kind == KeyChar ? Text(def.label) == std::u16string(1, character)
                                             : command && command->typed == character && plane == 0;
            if (!types) continue;
            std::vector<KeyTap> taps = Modifiers(layout, plane);
            taps.push_back({key, KeyLabel(layout, key)});
            return taps;
        }
    }
    return std::nullopt;
}

// An accent followed by the letter it combines with into CHARACTER.
std::optional<std::vector<KeyTap>> DeadKeyTaps(const PanelLayout& layout, char16_t character)
{
    for (int plane = 0; plane < kPlaneCountWithoutCaps; ++plane) {
        for (int key = 0; key < kKeyCount; ++key) {
            const KeyDef& def = *DefAt(layout, key, plane);
            if (def.kind != KeyDead) continue;
            std::u16string composed = Text(def.deadComposed);
            size_t at = composed.find(character);
            if (at == std::u16string::npos) continue;
            std::optional<std::vector<KeyTap>> letter = DirectTaps(layout, Text(def.deadBase)[at]);
            if (!letter) continue;
            std::vector<KeyTap> taps = Modifiers(layout, plane);
            taps.push_back({key, KeyLabel(layout, key)});
            taps.insert(taps.end(), letter->begin(), letter->end());
            return taps;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<KeyTap> TapsFor(const PanelLayout& layout, char16_t character)
{
    if (std::optional<std::vector<KeyTap>> taps = DirectTaps(layout, character)) return *taps;
    if (std::optional<std::vector<KeyTap>> taps = DeadKeyTaps(layout, character)) return *taps;
    return {};
}

int KeyWithLabel(const PanelLayout& layout, const std::string& label)
{
    std::u16string wanted = device::Utf16(label);
    for (int plane = 0; plane < kPlaneCountWithoutCaps; ++plane) {
        for (int key = 0; key < kKeyCount; ++key) {
            const KeyDef& def = *DefAt(layout, key, plane);
            const CommandName* command = CommandOf(def);
            if (command ? label == command->name : !wanted.empty() && Text(def.label) == wanted) return key;
            if (def.kind == KeyPanelSwitch && wanted == Text(layout.label)) return key;
        }
    }
    return kNoKey;
}

std::string KeyLabel(const PanelLayout& layout, int key)
{
    const KeyDef& def = *DefAt(layout, key, 0);
    if (def.kind == KeyPanelSwitch) return device::Utf8(Text(layout.label));
    if (const CommandName* command = CommandOf(def)) return command->name;
    return device::Utf8(Text(def.label));
}
