#include "container_entry.h"

namespace {

DWORD LittleEndianAt(const BYTE* bytes)
{
    return bytes[0] | (DWORD{bytes[1]} << 8) | (DWORD{bytes[2]} << 16) | (DWORD{bytes[3]} << 24);
}

bool IsPathCharacter(char c) { return c == '\\' || c == '/' || c == ':'; }

}  // namespace

ContainerEntry ParseEntryHeader(const BYTE (&header)[kEntryHeaderSize])
{
    ContainerEntry entry = {};
    entry.nameTerminated = false;
    for (DWORD i = 0; i < kEntryNameSize; ++i) {
        entry.name[i] = static_cast<char>(header[i]);
        if (header[i] == 0) entry.nameTerminated = true;
    }
    entry.name[kEntryNameSize] = 0;
    entry.attributes = LittleEndianAt(header + kEntryNameSize);
    entry.length = LittleEndianAt(header + kEntryNameSize + 4);
    return entry;
}

bool HasPlainFileName(const ContainerEntry& entry)
{
    if (!entry.nameTerminated || entry.name[0] == 0) return false;
    if (entry.name[0] == '.' && entry.name[1] == 0) return false;
    for (const char* c = entry.name; *c; ++c) {
        if (IsPathCharacter(*c)) return false;
        if (c[0] == '.' && c[1] == '.') return false;
    }
    return true;
}
