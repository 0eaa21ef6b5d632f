#include "setup_device.h"

#include <algorithm>
#include <filesystem>

#include <device/libraries.h>
#include <device/text.h>

void SetupDevice::SetUp()
{
    FreshDevice::SetUp();
    TheModuleState() = ModuleState{};
    PlacePackageEntries();
}

void SetupDevice::PlacePackageEntries()
{
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"AvailableInterfaceLang", 1049);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"InterfaceLang", 1049);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"TarvexLCID", 1049);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultLCID", 1049);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultACP", 1251);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultOCP", 866);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"Default_CodePage", 1251);
}

void SetupDevice::SetDword(HKEY root, LPCWSTR path, LPCWSTR name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetupDevice::SetString(HKEY root, LPCWSTR path, LPCWSTR name, LPCWSTR value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    DWORD size = static_cast<DWORD>((std::u16string(value).size() + 1) * sizeof(WCHAR));
    EXPECT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetupDevice::DeleteValue(HKEY root, LPCWSTR path, LPCWSTR name)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(root, path, 0, 0, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, name), ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetupDevice::DeleteAnyValue(HKEY root, LPCWSTR path, LPCWSTR name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, name);
    RegCloseKey(key);
}

std::optional<DWORD> SetupDevice::Dword(HKEY root, LPCWSTR path, LPCWSTR name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = REG_NONE, value = 0, size = sizeof(value);
    LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
    return value;
}

namespace {

// The value's bytes when it exists with type TYPE.
std::optional<std::vector<BYTE>> ValueBytes(HKEY root, LPCWSTR path, LPCWSTR name, DWORD type)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> bytes(4096);
    DWORD stored = REG_NONE, size = static_cast<DWORD>(bytes.size());
    LONG result = RegQueryValueExW(key, name, nullptr, &stored, bytes.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || stored != type) return std::nullopt;
    bytes.resize(size);
    return bytes;
}

}  // namespace

std::optional<std::u16string> SetupDevice::String(HKEY root, LPCWSTR path, LPCWSTR name)
{
    std::optional<std::vector<BYTE>> bytes = ValueBytes(root, path, name, REG_SZ);
    if (!bytes) return std::nullopt;
    std::u16string text(bytes->size() / sizeof(WCHAR), u'\0');
    std::copy(bytes->begin(), bytes->begin() + text.size() * sizeof(WCHAR), reinterpret_cast<BYTE*>(text.data()));
    while (!text.empty() && text.back() == 0) text.pop_back();
    return text;
}

std::optional<std::vector<BYTE>> SetupDevice::Binary(HKEY root, LPCWSTR path, LPCWSTR name)
{
    return ValueBytes(root, path, name, REG_BINARY);
}

bool SetupDevice::KeyExists(HKEY root, LPCWSTR path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string SetupDevice::SystemLocaleDump()
{
    return device::DumpRegistry(HKEY_LOCAL_MACHINE, u"nls") + device::DumpRegistry(HKEY_LOCAL_MACHINE, kTestBrowserKey);
}

std::string SetupDevice::ProductKeyDump() { return device::DumpRegistry(HKEY_CURRENT_USER, kTestProductKey); }

bool SetupDevice::EndedWithFlushAndClose()
{
    const std::vector<device::RegistryCall>& calls = device::RegistryCalls();
    return calls.size() >= 2 && calls[calls.size() - 2].function == "RegFlushKey" &&
           calls.back().function == "RegCloseKey";
}

void SetupDevice::PlaceLanguageFiles(const std::string& folder, const std::string& code)
{
    size_t placed = 0;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".res" || name.find("." + code + ".") == std::string::npos) continue;
        name.resize(name.size() - 4);
        EXPECT_TRUE(device::PlaceLibrary(entry.path().string(), u"\\Windows\\" + device::Utf16(name))) << name;
        ++placed;
    }
    EXPECT_EQ(placed, 7u) << folder << ", " << code;
}

void SetupDevice::AnswerOk(size_t count)
{
    for (size_t i = 0; i < count; ++i) device::QueueMessageBoxAnswer(IDOK);
}

std::vector<std::u16string> SetupDevice::SetupErrorsShown()
{
    std::vector<std::u16string> texts;
    for (const device::MessageBoxRecord& box : device::MessageBoxLog()) {
        EXPECT_EQ(box.caption, u"QV Installation");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
        texts.push_back(box.text);
    }
    return texts;
}
