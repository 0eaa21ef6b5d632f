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

// FOLDER and the folders above it, the outermost first.
std::vector<std::u16string> FolderSteps(const std::u16string& folder)
{
    std::vector<std::u16string> steps;
    for (size_t end = folder.find(u'\\', 1);; end = folder.find(u'\\', end + 1)) {
        steps.push_back(folder.substr(0, end));
        if (end == std::u16string::npos) return steps;
    }
}

// The install directory and the destinations' folders, each once.
std::vector<std::u16string> PackageFolders(const PackageManifest& manifest)
{
    std::set<std::u16string> seen;
    std::vector<std::u16string> folders;
    std::vector<std::u16string> wanted{manifest.installDirectory};
    for (const PackageFile& file : manifest.files) wanted.push_back(ParentOf(file.destination));
    for (const std::u16string& folder : wanted)
        if (!folder.empty() && seen.insert(folder).second) folders.push_back(folder);
    return folders;
}

bool Exists(const std::u16string& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Creates FOLDER and the folders above it that are missing.
bool EnsureFolder(const std::u16string& folder)
{
    for (const std::u16string& step : FolderSteps(folder)) {
        DWORD attributes = GetFileAttributesW(step.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (!CreateDirectoryW(step.c_str(), nullptr)) return false;
        } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return false;
        }
    }
    return true;
}

void PlaceFolders(const PackageManifest& manifest, device::InstallFailures& failures)
{
    for (const std::u16string& folder : PackageFolders(manifest))
        if (!EnsureFolder(folder)) ++failures.directories;
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

// Answers the files placed.
std::set<std::u16string> PlaceFiles(const PackageManifest& manifest, const std::string& hostFolder,
                                    device::InstallFailures& failures)
{
    std::set<std::u16string> placed;
    for (const PackageFile& file : manifest.files) {
        if (CopyFile(std::filesystem::path(hostFolder) / file.source, file.destination))
            placed.insert(file.destination);
        else
            ++failures.files;
    }
    return placed;
}

// PATH's keys from the root down, each a step longer.
std::vector<std::u16string> KeySteps(const std::u16string& path)
{
    std::vector<std::u16string> steps;
    for (size_t end = path.find(u'\\');; end = path.find(u'\\', end + 1)) {
        steps.push_back(path.substr(0, end));
        if (end == std::u16string::npos) return steps;
    }
}

void PlaceValues(HKEY key, const device_setup::RegistryKey& entry, device::InstallFailures& failures)
{
    for (const device_setup::RegistryValue& value : entry.values)
        if (!WriteValue(key, value.name, {value.type, value.data})) ++failures.registryValues;
}

// A key that cannot be made takes its values with it.
void PlaceRegistry(const PackageManifest& manifest, device::InstallFailures& failures)
{
    for (const device_setup::RegistryKey& entry : manifest.keys) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExW(entry.root, entry.path.c_str(), 0, nullptr, 0, 0, nullptr, &key, &disposition) !=
            ERROR_SUCCESS) {
            ++failures.registryKeys;
            failures.registryValues += static_cast<WORD>(entry.values.size());
            continue;
        }
        PlaceValues(key, entry, failures);
        RegCloseKey(key);
    }
}

void SelfRegister(const PackageManifest& manifest, const std::set<std::u16string>& placed,
                  device::InstallFailures& failures)
{
    for (const PackageFile& file : manifest.files) {
        if (!file.selfRegister || !placed.count(file.destination)) continue;
        if (!CallServerEntry(file.destination, "DllRegisterServer")) ++failures.files;
    }
}

// Planned before anything is placed: the folders and keys not there yet,
// the files whose names are free, every value with what it holds now.
void PlanFolders(const PackageManifest& manifest, InstallationRecord& plan)
{
    std::set<std::u16string> planned;
    for (const std::u16string& folder : PackageFolders(manifest))
        for (const std::u16string& step : FolderSteps(folder))
            if (!Exists(step) && planned.insert(step).second) plan.folders.push_back(step);
}

void PlanKeys(const PackageManifest& manifest, InstallationRecord& plan)
{
    std::set<std::pair<HKEY, std::u16string>> planned;
    for (const device_setup::RegistryKey& entry : manifest.keys) {
        for (const std::u16string& step : KeySteps(entry.path)) {
            HKEY existing = OpenKey(entry.root, step);
            if (existing) RegCloseKey(existing);
            if (!existing && planned.insert({entry.root, step}).second) plan.keys.push_back({entry.root, step});
        }
        HKEY key = OpenKey(entry.root, entry.path);
        for (const device_setup::RegistryValue& value : entry.values)
            plan.values.push_back({{entry.root, entry.path}, value.name,
                                   key ? ReadValue(key, value.name) : std::optional<StoredValue>()});
        if (key) RegCloseKey(key);
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

InstallationRecord PlanPlacement(const PackageManifest& manifest)
{
    InstallationRecord plan{manifest.application, manifest.installDirectory, {}, {}, {}, {}, {}};
    PlanFolders(manifest, plan);
    for (const PackageFile& file : manifest.files) {
        if (Exists(file.destination)) continue;
        plan.files.push_back(file.destination);
        if (file.selfRegister) plan.registered.push_back(file.destination);
    }
    PlanKeys(manifest, plan);
    return plan;
}

device::InstallFailures PlacePackage(const PackageManifest& manifest, const std::string& hostFolder)
{
    device::InstallFailures failures;
    PlaceFolders(manifest, failures);
    std::set<std::u16string> placed = PlaceFiles(manifest, hostFolder, failures);
    PlaceRegistry(manifest, failures);
    SelfRegister(manifest, placed, failures);
    return failures;
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
