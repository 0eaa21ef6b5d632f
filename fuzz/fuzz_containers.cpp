// Interface-file containers as a package carries them: the setup hooks'
// unpacker writes their entries into "\Windows" of one simulated device,
// which is put back as it was after every input; the packer's checking
// reader reads the same bytes.
//
// Input: the container's bytes, as stored (scrambled).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <device/device_files.h>
#include <device/libraries.h>
#include <device/message_boxes.h>
#include <device/message_log.h>
#include <device/registry_calls.h>
#include <windows.h>

#include "container_reader.h"
#include "interface_files.h"
#include "module_state.h"
#include "scratch_device.h"

namespace {

const WCHAR kInstall[] = u"\\Program Files\\Lexovia";
const WCHAR kContainer[] = u"\\Program Files\\Lexovia\\mui_1.bin";
// Outside "\Windows", so that no entry can overwrite the loaded library.
const WCHAR kLibraryFolder[] = u"\\Fuzz";
const WCHAR kLibrary[] = u"\\Fuzz\\pkgsetup.dll";
// More than the error boxes of any one input: two an entry at most.
const size_t kAnswersReady = 1000;

void OpenDevice()
{
    Require(OpenScratchDevice());
    Require(device::CreateDeviceFolders(kInstall) == ERROR_SUCCESS);
    Require(device::CreateDeviceFolders(kLibraryFolder) == ERROR_SUCCESS);
    Require(device::PlaceLibrary(PKGSETUP_LIBRARY, kLibrary));
    HMODULE library = LoadLibraryW(kLibrary);
    Require(library != nullptr);
    TheModuleState().moduleInstance = library;
}

// Every RAM file of "\Windows" is one an entry made: deleting it uncovers
// the ROM file it may have shadowed.
void RemoveUnpackedFiles()
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(u"\\Windows\\*.*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_INROM)) continue;
        std::u16string path = std::u16string(u"\\Windows\\") + found.cFileName;
        Require(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
        Require(DeleteFileW(path.c_str()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The user confirms every error box the unpacker shows.
void AnswerErrorBoxes()
{
    for (size_t ready = device::PendingMessageBoxAnswers(); ready < kAnswersReady; ++ready)
        device::QueueMessageBoxAnswer(IDOK);
}

// The device records every call; what one input left is of no use to the next.
void ForgetLogs()
{
    device::ClearMessageBoxLog();
    device::ClearMessageLog();
    device::ClearRegistryCalls();
    RequireNoFaults();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool opened = (OpenDevice(), true);
    (void)opened;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    mui_container::ReadContainer(bytes);
    Require(device::WriteDeviceFile(kContainer, bytes) == ERROR_SUCCESS);
    AnswerErrorBoxes();
    ExtractInterfaceFiles(kInstall);
    DeleteFileW(kContainer);
    RemoveUnpackedFiles();
    ForgetLogs();
    return 0;
}
