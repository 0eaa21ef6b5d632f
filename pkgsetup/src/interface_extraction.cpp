#include "container_entry.h"
#include "container_list.h"
#include "container_scrambling.h"
#include "extraction_dialog.h"
#include "interface_files.h"
#include "module_state.h"
#include "read_chunk.h"
#include "setup_message.h"

namespace {

// Entry data goes through in pieces of whole words, so a large file needs no
// buffer of its size.
BYTE dataBuffer[0x10000];

// Reads LENGTH data bytes of the entry at the container's position and
// writes what it read to OUTPUT (none: the data is skipped). Returns the
// bytes read; FAILEDWRITE tells whether any of them did not reach OUTPUT.
DWORD CopyEntryData(HANDLE container, HANDLE output, DWORD length, bool& failedWrite)
{
    DWORD copied = 0;
    failedWrite = false;
    while (copied < length) {
        DWORD wanted = length - copied < sizeof(dataBuffer) ? length - copied : sizeof(dataBuffer);
        DWORD read = 0;
        if (!ReadFile(container, dataBuffer, wanted, &read, nullptr) || read == 0) break;
        UnscrambleBlock(dataBuffer, read, length);
        DWORD written = 0;
        if (output != INVALID_HANDLE_VALUE &&
            (!WriteFile(output, dataBuffer, read, &written, nullptr) || written != read))
            failedWrite = true;
        copied += read;
        if (read < wanted) break;
    }
    return copied;
}

// The file the entry names, created for its data; none when the name is
// refused or the file cannot be created, either reported by its path.
HANDLE CreateOutputFile(const ContainerEntry& entry, WCHAR (&outputPath)[MAX_PATH])
{
    wsprintfW(outputPath, TEXT("\\Windows\\%S"), entry.name);
    HANDLE output = INVALID_HANDLE_VALUE;
    if (HasPlainFileName(entry))
        output = CreateFileW(outputPath, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, entry.attributes,
                             nullptr);
    if (output == INVALID_HANDLE_VALUE) ShowSetupError(outputPath);
    return output;
}

// Unpacks the container's entries from its start, advancing PROGRESS by
// each entry's header and data. An entry longer than what is left of the
// container marks it damaged: it is reported by its path, the entry is not
// written, and the container ends there.
void UnpackContainer(const Container& container, ExtractionDialog& dialog, DWORD& progress)
{
    DWORD offset = 0;
    BYTE header[kEntryHeaderSize];
    while (ReadChunk(container.file, header, kEntryHeaderSize) == kEntryHeaderSize) {
        offset += kEntryHeaderSize;
        ContainerEntry entry = ParseEntryHeader(header);
        if (entry.length > container.size - offset) {
            ShowSetupError(container.path);
            return;
        }
        WCHAR outputPath[MAX_PATH];
        HANDLE output = CreateOutputFile(entry, outputPath);
        bool failedWrite = false;
        DWORD read = CopyEntryData(container.file, output, entry.length, failedWrite);
        if (output != INVALID_HANDLE_VALUE) {
            CloseHandle(output);
            if (failedWrite) ShowSetupError(outputPath);
        }
        offset += read;
        progress += kEntryHeaderSize + read;
        dialog.ShowProgress(progress);
        if (read < entry.length) {
            ShowSetupError(container.path);
            return;
        }
    }
}

}  // namespace

BOOL ExtractInterfaceFiles(LPCWSTR installDirectory)
{
    ContainerList containers;
    if (!containers.Collect(installDirectory)) return FALSE;
    DWORD total = containers.TotalSize();
    ExtractionDialog dialog;
    if (!dialog.Open(TheModuleState().moduleInstance, total)) return FALSE;

    DWORD progress = 0;
    for (DWORD i = 0; i < containers.Count(); ++i) {
        Container& container = containers.At(i);
        UnpackContainer(container, dialog, progress);
        containers.Close(i);
        if (!DeleteFileW(container.path)) ShowSetupError(container.path);
    }
    dialog.Finish(total);
    return TRUE;
}
