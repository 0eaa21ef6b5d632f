// What the installer placed for an application, kept on the device beside
// the installed list's entry, HKEY_LOCAL_MACHINE "SOFTWARE\Apps\<application>"
// ("Instl" = 1, "InstlDir"), so that its removal undoes exactly that. It is
// written before anything is placed, and lists everything the installation
// may place; "Instl" comes once it is all placed.
//
//   "Order"            dword, its place in the order of installation
//   "ResumeRemoval"    dword 1 while its removal waits for a restart
//   "Removing"         dword 1 once the hooks agreed to the removal
//   Folders, Files, Registered   values "1", "2", ...: device paths, in order
//   Keys               values "1", ...: "HKEY_CURRENT_USER\SOFTWARE\Tarvex", parents first
//   Values\1, ...      "Key" (as Keys), "Name", and "Previous" (the value it
//                      replaced, with its type) when there was one
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windef.h>

#include "setup/registry_values.h"

namespace platform::setup {

struct PlacedKey {
    HKEY root;
    std::u16string path;
};

struct PlacedValue {
    PlacedKey key;
    std::u16string name;
    std::optional<StoredValue> previous;
};

struct InstallationRecord {
    std::u16string application;
    std::u16string installDirectory;
    std::vector<std::u16string> folders;     // created
    std::vector<std::u16string> files;       // placed
    std::vector<std::u16string> registered;  // self-registered
    std::vector<PlacedKey> keys;             // created
    std::vector<PlacedValue> values;         // written
};

// Writes the record of what an installation is about to place, before it
// places anything: a power loss part-way leaves a record that tells what to
// undo. The application enters the installed list only with MarkInstalled.
bool WriteRecord(const InstallationRecord& record);
bool MarkInstalled(const std::u16string& application);
// Whether there is a record, of an installation finished or not.
bool HasRecord(const std::u16string& application);
// None when there is no record or it cannot be read.
std::optional<InstallationRecord> ReadRecord(const std::u16string& application);
// Takes the application out of the installed list, record and all.
void DeleteRecord(const std::u16string& application);

bool IsInstalled(const std::u16string& application);
void MarkRemovalResumes(const std::u16string& application, bool resumes);
bool RemovalResumes(const std::u16string& application);
// Uninstall_Init agreed and the undoing began: a removal stopped from then
// on goes on where it stopped without asking the hooks again.
void MarkHooksAgreedToRemoval(const std::u16string& application);
bool HooksAgreedToRemoval(const std::u16string& application);

// Undoes what an installation that stopped part-way (a record without
// "Instl") had placed, and forgets it; nothing when there is none.
void UndoInterruptedInstallation(const std::u16string& application);

// The installed applications in the order they were installed.
std::vector<std::u16string> ListInstalled();

}  // namespace platform::setup
