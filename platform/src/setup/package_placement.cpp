#include "setup/package_placement.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "setup/registry_values.h"

namespace platform::setup {
namespace {

using ServerEntry = HRESULT (*)();

std::u16string ParentOf(const std::u16string& path) { return path.substr(0, path.rfind(u'\\')); }

// Creates FOLDER and the folders above it that are missing, recording those
// it created.
bool EnsureFolder(const std::u16string& folder, InstallationRecord& record)
{
    for (size_t end = folder.find(u'\\', 1);; end = folder.find(u'\\', end + 1)) {
        std::u16string step = folder.substr(0, end);
        DWORD attributes = GetFileAttributesW(step.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (!CreateDirectoryW(step.c_str(), nullptr)) return false;
            record.folders.push_back(step);
        } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return false;
        }
        if (end == std::u16string::npos) return true;
    }
}

void PlaceFolders(const PackageManifest& manifest, Placement& placement)
{
    std::set<std::u16string> tried;
    std::vector<std::u16string> folders{manifest.installDirectory};
    for (const PackageFile& file : manifest.files) folders.push_back(ParentOf(file.destination));
    for (const std::u16string& folder : folders) {
        if (folder.empty() || !tried.insert(folder).second) continue;
        if (!EnsureFolder(folder, placement.record)) ++placement.failures.directories;
    }
}

// A file of that name already on the device is not replaced.
bool CopyFile(const std::filesystem::path& source, const std::u16string& destination)
{
    std::ifstream input(source, std::ios::binary);
    if (!input) return false;
    std::string bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    HANDLE file = CreateFileW(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool copied = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
    copied = CloseHandle(file) && copied;
    if (!copied) DeleteFileW(destination.c_str());
    return copied;
}

bool CallServerEntry(const std::u16string& library, const char* entry)
{
    HMODULE module = LoadLibraryW(library.c_str());
    if (!module) return false;
    auto function = reinterpret_cast<ServerEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, entry)));
    bool called = function && SUCCEEDED(function());
    FreeLibrary(module);
    return called;
}

void PlaceFiles(const PackageManifest& manifest, const std::string& hostFolder, Placement& placement)
{
    for (const PackageFile& file : manifest.files) {
        if (CopyFile(std::filesystem::path(hostFolder) / file.source, file.destination))
            placement.record.files.push_back(file.destination);
        else
            ++placement.failures.files;
    }
}

// Key by key from the root, so that every key created on the way is known.
HKEY CreateKeyPath(HKEY root, const std::u16string& path, InstallationRecord& record)
{
    HKEY key = nullptr;
    for (size_t end = path.find(u'\\');; end = path.find(u'\\', end + 1)) {
        if (key) RegCloseKey(key);
        key = nullptr;
        std::u16string step = path.substr(0, end);
        DWORD disposition = 0;
        if (RegCreateKeyExW(root, step.c_str(), 0, nullptr, 0, 0, nullptr, &key, &disposition) != ERROR_SUCCESS)
            return nullptr;
        if (disposition == REG_CREATED_NEW_KEY) record.keys.push_back({root, step});
        if (end == std::u16string::npos) return key;
    }
}

void PlaceValues(HKEY key, const device_setup::RegistryKey& entry, Placement& placement)
{
    for (const device_setup::RegistryValue& value : entry.values) {
        std::optional<StoredValue> previous = ReadValue(key, value.name);
        if (WriteValue(key, value.name, {value.type, value.data}))
            placement.record.values.push_back({{entry.root, entry.path}, value.name, previous});
        else
            ++placement.failures.registryValues;
    }
}

// A key that cannot be made takes its values with it.
void PlaceRegistry(const PackageManifest& manifest, Placement& placement)
{
    for (const device_setup::RegistryKey& entry : manifest.keys) {
        HKEY key = CreateKeyPath(entry.root, entry.path, placement.record);
        if (!key) {
            ++placement.failures.registryKeys;
            placement.failures.registryValues += static_cast<WORD>(entry.values.size());
            continue;
        }
        PlaceValues(key, entry, placement);
        RegCloseKey(key);
    }
}

void SelfRegister(const PackageManifest& manifest, Placement& placement)
{
    const std::vector<std::u16string>& placed = placement.record.files;
    for (const PackageFile& file : manifest.files) {
        if (!file.selfRegister || std::find(placed.begin(), placed.end(), file.destination) == placed.end()) continue;
        if (CallServerEntry(file.destination, "DllRegisterServer"))
            placement.record.registered.push_back(file.destination);
        else
            ++placement.failures.files;
    }
}

void RestoreValue(const PlacedValue& placed)
{
    HKEY key = OpenKey(placed.key.root, placed.key.path);
    if (!key) return;
    if (placed.previous)
        WriteValue(key, placed.name, *placed.previous);
    else
        RegDeleteValueW(key, placed.name.c_str());
    RegCloseKey(key);
}

}  // namespace

Placement PlacePackage(const PackageManifest& manifest, const std::string& hostFolder)
{
    Placement placement{{}, {manifest.application, manifest.installDirectory, {}, {}, {}, {}, {}}};
    PlaceFolders(manifest, placement);
    PlaceFiles(manifest, hostFolder, placement);
    PlaceRegistry(manifest, placement);
    SelfRegister(manifest, placement);
    return placement;
}

void UndoPlacement(const InstallationRecord& record)
{
    for (auto library = record.registered.rbegin(); library != record.registered.rend(); ++library)
        CallServerEntry(*library, "DllUnregisterServer");
    for (auto file = record.files.rbegin(); file != record.files.rend(); ++file) DeleteFileW(file->c_str());
    for (auto value = record.values.rbegin(); value != record.values.rend(); ++value) RestoreValue(*value);
    for (auto key = record.keys.rbegin(); key != record.keys.rend(); ++key)
        if (IsEmptyKey(key->root, key->path)) RegDeleteKeyW(key->root, key->path.c_str());
    for (auto folder = record.folders.rbegin(); folder != record.folders.rend(); ++folder)
        RemoveDirectoryW(folder->c_str());
}

}  // namespace platform::setup
