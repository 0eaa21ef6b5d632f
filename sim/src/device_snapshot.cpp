#include "device_snapshot.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>

#include <device/device_files.h>
#include <device/registry_dump.h>
#include <device/text.h>
#include <nlohmann/json.hpp>
#include <windows.h>

#include "display_text.h"
#include "folder_listing.h"
#include "platform_errors.h"

namespace {

const HKEY kRoots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

void AddRegistry(std::map<std::string, std::string>& registry)
{
    for (HKEY root : kRoots)
        for (const device::RegistryEntry& entry : device::ListRegistry(root, u"")) {
            if (!entry.value)
                registry[entry.key + "\\"] = "";
            else
                registry[entry.key + "\\" + (entry.value->empty() ? "@" : *entry.value)] = entry.text;
        }
}

// FNV-1a: enough to tell changed bytes apart, not a security measure.
std::string Digest(const std::string& bytes)
{
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001b3ULL;
    char text[20];
    std::snprintf(text, sizeof text, "#%016" PRIx64, hash);
    return text;
}

std::string Child(const std::string& folder, const std::u16string& name) { return folder + device::Utf8(name); }

Parsed<bool> AddFolder(const std::string& folder, std::map<std::string, std::string>& files)
{
    std::vector<ListedEntry> entries;
    if (DWORD status = ListDeviceEntries(device::Utf16(folder + "*"), entries); status != ERROR_SUCCESS)
        return Parsed<bool>::Failure("could not list " + folder + ": " + ErrorText(status));
    for (const ListedEntry& entry : entries) {
        std::string path = Child(folder, entry.name);
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
            files[path + "\\"] = "folder";
            if (Parsed<bool> added = AddFolder(path + "\\", files); !added) return added;
            continue;
        }
        std::string bytes;
        if (DWORD status = device::ReadDeviceFile(device::Utf16(path), bytes); status != ERROR_SUCCESS)
            return Parsed<bool>::Failure("could not read " + path + ": " + ErrorText(status));
        files[path] = std::to_string(entry.size) + " bytes " + AttributeWords(entry.attributes) + " " + Digest(bytes);
    }
    return true;
}

constexpr size_t kLongestShown = 64;
constexpr size_t kShownStart = 44;

// A long value shows its start and its length: a rule table would take a
// screen of its own.
std::string Shortened(const std::string& text)
{
    if (text.size() <= kLongestShown) return text;
    size_t cut = kShownStart;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    std::string end = text.back() == '"' ? "\"" : "";
    return text.substr(0, cut) + "..." + end + " (" + std::to_string(CharacterCount(text)) + " characters)";
}

// A file's data without its digest, for people; the digest still tells
// changed bytes of the same size apart.
std::string Shown(const std::string& data)
{
    size_t digest = data.rfind(" #");
    return Shortened(digest == std::string::npos ? data : data.substr(0, digest));
}

std::string Change(const std::string& path, const std::string& before, const std::string& after)
{
    std::string shownBefore = Shown(before), shownAfter = Shown(after);
    if (shownBefore == shownAfter) return "changed " + path + ": other bytes, " + shownAfter;
    return "changed " + path + ": " + shownBefore + " -> " + shownAfter;
}

std::string Entry(const std::string& verb, const std::string& path, const std::string& data)
{
    std::string shown = Shown(data);
    if (shown.empty() || shown == "folder") return verb + " " + path;
    return verb + " " + path + " = " + shown;
}

void Compare(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after,
             std::vector<std::string>& lines)
{
    auto old = before.begin();
    auto now = after.begin();
    while (old != before.end() || now != after.end()) {
        if (now == after.end() || (old != before.end() && old->first < now->first)) {
            lines.push_back(Entry("removed", old->first, old->second));
            ++old;
        } else if (old == before.end() || now->first < old->first) {
            lines.push_back(Entry("added", now->first, now->second));
            ++now;
        } else {
            if (old->second != now->second) lines.push_back(Change(now->first, old->second, now->second));
            ++old;
            ++now;
        }
    }
}

}  // namespace

Parsed<DeviceSnapshot> TakeDeviceSnapshot()
{
    DeviceSnapshot snapshot;
    AddRegistry(snapshot.registry);
    if (Parsed<bool> added = AddFolder("\\", snapshot.files); !added)
        return Parsed<DeviceSnapshot>::Failure(added.error());
    return snapshot;
}

std::vector<std::string> DescribeChanges(const DeviceSnapshot& before, const DeviceSnapshot& after)
{
    std::vector<std::string> lines;
    Compare(before.registry, after.registry, lines);
    Compare(before.files, after.files, lines);
    return lines;
}

std::string SaveSnapshot(const std::string& file, const DeviceSnapshot& snapshot)
{
    nlohmann::json json = {{"registry", snapshot.registry}, {"files", snapshot.files}};
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << json.dump(1) << '\n';
    out.close();
    return out ? std::string() : "could not write " + file;
}

Parsed<DeviceSnapshot> LoadSnapshot(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return Parsed<DeviceSnapshot>::Failure("could not read " + file);
    nlohmann::json json = nlohmann::json::parse(in, nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json["registry"].is_object() || !json["files"].is_object())
        return Parsed<DeviceSnapshot>::Failure(file + " is not a mark pocketsim wrote");
    DeviceSnapshot snapshot;
    for (const auto& [path, data] : json["registry"].items())
        if (data.is_string()) snapshot.registry[path] = data.get<std::string>();
    for (const auto& [path, data] : json["files"].items())
        if (data.is_string()) snapshot.files[path] = data.get<std::string>();
    return snapshot;
}
