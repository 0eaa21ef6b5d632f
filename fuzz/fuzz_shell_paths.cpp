// The shell's registry paths of Start-menu items, rewritten towards the
// localised Start menu and back over whatever values other programs left in
// the Start-items and task-switch keys: names and data of every length
// around the working limits, string data unterminated or of an odd size,
// shortcut name pairs up to their full length.
//
// Input: read as it goes by FuzzedDataProvider. Texts are built of path
// pieces and single characters so that paths inside and around the Start
// menu come up often.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include <device/registry_calls.h>
#include <windows.h>

#include "module_state.h"
#include "scratch_device.h"
#include "shell_path_rewrite.h"
#include "shortcut_names.h"
#include "value_name_list.h"

namespace {

const WCHAR kStartItems[] = u"SOFTWARE\\Microsoft\\Shell\\Start Items";
const WCHAR kTaskSwitch[] = u"SOFTWARE\\Microsoft\\Shell\\TaskSwitch";

const char16_t* const kPieces[] = {
    u"\\Windows\\Start Menu", u"\\Programs", u"\\Windows\\Главное меню", u"\\Программы", u"\\Games",
    u".lnk",                  u"\\",         u"Calculator",              u"Калькулятор",  u" ",
};
constexpr uint8_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);
// Some more than a value's data holds with its terminator.
constexpr size_t kLongest = 2 * kValueNameLength + 8;

std::u16string TextOf(FuzzedDataProvider& input, size_t longest)
{
    std::u16string text;
    size_t pieces = input.ConsumeIntegralInRange<size_t>(0, longest);
    while (pieces-- > 0 && text.size() < longest) {
        uint8_t byte = input.ConsumeIntegral<uint8_t>();
        if (byte < kPieceCount)
            text += kPieces[byte];
        else
            text += static_cast<char16_t>(byte < 0xC0 ? byte : byte + 0x350);  // Cyrillic above 0xC0
    }
    if (text.size() > longest) text.resize(longest);
    return text;
}

void CopyName(const std::u16string& name, WCHAR (&slot)[kShortcutNameLength])
{
    size_t length = std::min(name.size(), kShortcutNameLength - 1);
    name.copy(slot, length);
    slot[length] = 0;
}

void FillShortcutNames(FuzzedDataProvider& input)
{
    ShortcutNameTable& table = TheModuleState().shortcutNames;
    table.count = input.ConsumeIntegralInRange<DWORD>(0, kMaxShortcutPairs);
    for (DWORD i = 0; i < table.count; ++i) {
        CopyName(TextOf(input, kShortcutNameLength + 2), table.pairs[i].english);
        CopyName(TextOf(input, kShortcutNameLength + 2), table.pairs[i].localized);
    }
    table.complete = TRUE;
}

// String data as another program may have stored it: terminated, cut
// short of its terminator, or an odd number of bytes.
void PlaceValue(HKEY key, FuzzedDataProvider& input)
{
    std::u16string name = TextOf(input, kLongest);
    std::u16string data = TextOf(input, kLongest);
    DWORD type = input.ConsumeBool() ? REG_SZ : REG_EXPAND_SZ;
    DWORD size = static_cast<DWORD>((data.size() + 1) * sizeof(WCHAR));
    size -= input.ConsumeIntegralInRange<DWORD>(0, std::min<DWORD>(size, 3));
    RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()), size);
}

void PlaceValues(HKEY root, LPCWSTR path, FuzzedDataProvider& input)
{
    HKEY key = nullptr;
    Require(RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr) == ERROR_SUCCESS);
    for (int values = input.ConsumeIntegralInRange(0, 6); values > 0; --values) PlaceValue(key, input);
    RegCloseKey(key);
}

void RemoveKeys()
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kStartItems);
    RegDeleteKeyW(HKEY_CURRENT_USER, kTaskSwitch);
    device::ClearRegistryCalls();
    RequireNoFaults();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool opened = OpenScratchDevice();
    Require(opened);
    FuzzedDataProvider input(data, size);
    bool toLocalized = input.ConsumeBool();
    std::u16string programs = TextOf(input, kLongest);
    std::u16string startMenu = TextOf(input, kLongest);
    FillShortcutNames(input);
    RemoveKeys();
    PlaceValues(HKEY_LOCAL_MACHINE, kStartItems, input);
    PlaceValues(HKEY_CURRENT_USER, kTaskSwitch, input);
    RewriteStartItems(1049, programs.c_str(), startMenu.c_str(), toLocalized);
    RemoveKeys();
    return 0;
}
