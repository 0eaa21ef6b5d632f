#include "setup/installation_record.h"

#include <winreg.h>

#include <algorithm>

#include <device/text.h>

#include "device/setup_text.h"

namespace platform::setup {
namespace {

const char16_t kApps[] = u"SOFTWARE\\Apps";

std::u16string AppKey(const std::u16string& application) { return std::u16string(kApps) + u"\\" + application; }

std::u16string Numbered(size_t index) { return device::Utf16(std::to_string(index + 1)); }

std::u16string KeyText(const PlacedKey& key)
{
    return device::Utf16(device_setup::RootName(key.root)) + u"\\" + key.path;
}

std::optional<PlacedKey> KeyOfText(const std::u16string& text)
{
    size_t slash = text.find(u'\\');
    std::optional<HKEY> root = device_setup::RootNamed(device::Utf8(text.substr(0, slash)));
    if (!root || slash == std::u16string::npos) return std::nullopt;
    return PlacedKey{*root, text.substr(slash + 1)};
}

// Creates ROOT\PATH afresh for writing.
HKEY CreateKey(HKEY root, const std::u16string& path)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    return RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, 0, nullptr, &key, &disposition) == ERROR_SUCCESS
               ? key
               : nullptr;
}

bool WriteList(HKEY app, const std::u16string& name, const std::vector<std::u16string>& items)
{
    HKEY list = CreateKey(app, name);
    if (!list) return false;
    bool written = true;
    for (size_t i = 0; i < items.size(); ++i) written = WriteValue(list, Numbered(i), StringValue(items[i])) && written;
    RegCloseKey(list);
    return written;
}

std::optional<std::vector<std::u16string>> ReadList(HKEY app, const std::u16string& name)
{
    HKEY list = OpenKey(app, name);
    if (!list) return std::vector<std::u16string>();
    std::vector<std::u16string> items;
    bool readable = true;
    for (const auto& [valueName, value] : ValuesOf(list)) {
        std::optional<std::u16string> text = TextOf(value);
        readable = readable && text.has_value();
        if (text) items.push_back(*text);
    }
    RegCloseKey(list);
    return readable ? std::optional(items) : std::nullopt;
}

bool WritePlacedValue(HKEY values, size_t index, const PlacedValue& placed)
{
    HKEY entry = CreateKey(values, Numbered(index));
    if (!entry) return false;
    bool written = WriteValue(entry, u"Key", StringValue(KeyText(placed.key))) &&
                   WriteValue(entry, u"Name", StringValue(placed.name)) &&
                   (!placed.previous || WriteValue(entry, u"Previous", *placed.previous));
    RegCloseKey(entry);
    return written;
}

bool WritePlacedValues(HKEY app, const std::vector<PlacedValue>& placed)
{
    HKEY values = CreateKey(app, u"Values");
    if (!values) return false;
    bool written = true;
    for (size_t i = 0; i < placed.size(); ++i) written = WritePlacedValue(values, i, placed[i]) && written;
    RegCloseKey(values);
    return written;
}

std::optional<PlacedValue> ReadPlacedValue(HKEY values, const std::u16string& name)
{
    HKEY entry = OpenKey(values, name);
    if (!entry) return std::nullopt;
    std::optional<std::u16string> keyText = TextOf(ReadValue(entry, u"Key"));
    std::optional<std::u16string> valueName = TextOf(ReadValue(entry, u"Name"));
    std::optional<StoredValue> previous = ReadValue(entry, u"Previous");
    RegCloseKey(entry);
    std::optional<PlacedKey> key = keyText ? KeyOfText(*keyText) : std::nullopt;
    if (!key || !valueName) return std::nullopt;
    return PlacedValue{*key, *valueName, previous};
}

// In the order they were written: "1", "2", ... "10" by number.
std::optional<std::vector<PlacedValue>> ReadPlacedValues(HKEY app)
{
    std::vector<PlacedValue> placed;
    HKEY values = OpenKey(app, u"Values");
    if (!values) return placed;
    std::vector<std::u16string> names = SubkeysOf(values);
    bool readable = true;
    for (size_t i = 0; i < names.size() && readable; ++i) {
        std::optional<PlacedValue> value = ReadPlacedValue(values, Numbered(i));
        readable = value.has_value();
        if (value) placed.push_back(*value);
    }
    RegCloseKey(values);
    return readable ? std::optional(placed) : std::nullopt;
}

std::optional<std::vector<PlacedKey>> KeysOfTexts(const std::optional<std::vector<std::u16string>>& texts)
{
    if (!texts) return std::nullopt;
    std::vector<PlacedKey> keys;
    for (const std::u16string& text : *texts) {
        std::optional<PlacedKey> key = KeyOfText(text);
        if (!key) return std::nullopt;
        keys.push_back(*key);
    }
    return keys;
}

std::optional<DWORD> AppDword(const std::u16string& application, const std::u16string& name)
{
    HKEY app = OpenKey(HKEY_LOCAL_MACHINE, AppKey(application));
    if (!app) return std::nullopt;
    std::optional<DWORD> number = DwordOf(ReadValue(app, name));
    RegCloseKey(app);
    return number;
}

DWORD NextOrder()
{
    DWORD next = 1;
    HKEY apps = OpenKey(HKEY_LOCAL_MACHINE, kApps);
    if (!apps) return next;
    for (const std::u16string& application : SubkeysOf(apps))
        next = std::max(next, AppDword(application, u"Order").value_or(0) + 1);
    RegCloseKey(apps);
    return next;
}

bool WriteRecordInto(HKEY app, const InstallationRecord& record)
{
    std::vector<std::u16string> keyTexts;
    for (const PlacedKey& key : record.keys) keyTexts.push_back(KeyText(key));
    return WriteValue(app, u"InstlDir", StringValue(record.installDirectory)) &&
           WriteValue(app, u"Order", DwordValue(NextOrder())) && WriteList(app, u"Folders", record.folders) &&
           WriteList(app, u"Files", record.files) && WriteList(app, u"Registered", record.registered) &&
           WriteList(app, u"Keys", keyTexts) && WritePlacedValues(app, record.values);
}

}  // namespace

bool WriteRecord(const InstallationRecord& record)
{
    DeleteRecord(record.application);
    HKEY app = CreateKey(HKEY_LOCAL_MACHINE, AppKey(record.application));
    if (!app) return false;
    bool written = WriteRecordInto(app, record);
    RegCloseKey(app);
    RegFlushKey(HKEY_LOCAL_MACHINE);
    return written;
}

bool MarkInstalled(const std::u16string& application)
{
    HKEY app = OpenKey(HKEY_LOCAL_MACHINE, AppKey(application));
    if (!app) return false;
    bool written = WriteValue(app, u"Instl", DwordValue(1));
    RegCloseKey(app);
    RegFlushKey(HKEY_LOCAL_MACHINE);
    return written;
}

bool HasRecord(const std::u16string& application)
{
    HKEY app = OpenKey(HKEY_LOCAL_MACHINE, AppKey(application));
    if (app) RegCloseKey(app);
    return app != nullptr;
}

std::optional<InstallationRecord> ReadRecord(const std::u16string& application)
{
    HKEY app = OpenKey(HKEY_LOCAL_MACHINE, AppKey(application));
    if (!app) return std::nullopt;
    std::optional<std::u16string> directory = TextOf(ReadValue(app, u"InstlDir"));
    std::optional<std::vector<std::u16string>> folders = ReadList(app, u"Folders");
    std::optional<std::vector<std::u16string>> files = ReadList(app, u"Files");
    std::optional<std::vector<std::u16string>> registered = ReadList(app, u"Registered");
    std::optional<std::vector<PlacedKey>> keys = KeysOfTexts(ReadList(app, u"Keys"));
    std::optional<std::vector<PlacedValue>> values = ReadPlacedValues(app);
    RegCloseKey(app);
    if (!directory || !folders || !files || !registered || !keys || !values) return std::nullopt;
    return InstallationRecord{application, *directory, *folders, *files, *registered, *keys, *values};
}

void DeleteRecord(const std::u16string& application)
{
    HKEY apps = OpenKey(HKEY_LOCAL_MACHINE, kApps);
    if (!apps) return;
    RegDeleteKeyW(apps, application.c_str());
    RegCloseKey(apps);
    RegFlushKey(HKEY_LOCAL_MACHINE);
}

bool IsInstalled(const std::u16string& application) { return AppDword(application, u"Instl") == 1u; }

void MarkRecord(const std::u16string& application, const std::u16string& flag, bool set)
{
    HKEY app = OpenKey(HKEY_LOCAL_MACHINE, AppKey(application));
    if (!app) return;
    if (set) {
        WriteValue(app, flag, DwordValue(1));
    } else {
        RegDeleteValueW(app, flag.c_str());
    }
    RegCloseKey(app);
    RegFlushKey(HKEY_LOCAL_MACHINE);
}

void MarkRemovalResumes(const std::u16string& application, bool resumes)
{
    MarkRecord(application, u"ResumeRemoval", resumes);
}

bool RemovalResumes(const std::u16string& application) { return AppDword(application, u"ResumeRemoval") == 1u; }

void MarkHooksAgreedToRemoval(const std::u16string& application) { MarkRecord(application, u"Removing", true); }

bool HooksAgreedToRemoval(const std::u16string& application) { return AppDword(application, u"Removing") == 1u; }

std::vector<std::u16string> ListInstalled()
{
    std::vector<std::pair<DWORD, std::u16string>> ordered;
    HKEY apps = OpenKey(HKEY_LOCAL_MACHINE, kApps);
    if (!apps) return {};
    for (const std::u16string& application : SubkeysOf(apps))
        if (IsInstalled(application)) ordered.emplace_back(AppDword(application, u"Order").value_or(0), application);
    RegCloseKey(apps);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::u16string> names;
    names.reserve(ordered.size());
    for (const auto& entry : ordered) names.push_back(entry.second);
    return names;
}

}  // namespace platform::setup
