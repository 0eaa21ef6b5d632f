// The two faults a file of \Windows can have when an installation comes:
// gone, or there but read-only. Set up on the open device through the
// platform's own calls, as another program or the user would leave them.
#pragma once

#include <optional>
#include <string>

#include <windef.h>

enum class WindowsFileFault { Missing, ReadOnly };

const char* FaultName(WindowsFileFault fault);

// How the flow uses a path: as a file, or as a folder it lists, makes or
// removes.
enum class EntryKind { File, Folder };

// Why FAULT cannot be given to an entry with ATTRIBUTES on a fresh device
// (INVALID_FILE_ATTRIBUTES: there is none), if it cannot.
std::optional<std::string> WhyNotApplicable(WindowsFileFault fault, DWORD attributes);

// Missing: the file is deleted, a folder with what it holds, a ROM file
// taken out of the ROM. ReadOnly: the entry is marked so; where there is
// none, one of KIND is put in its place first, with its folders. False when
// the device refused.
bool ApplyFault(WindowsFileFault fault, const std::u16string& path, EntryKind kind);
