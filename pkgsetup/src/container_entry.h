// The header of one entry of an interface-file container, read into a
// plain record before anything acts on it.
#pragma once

#include <windows.h>

constexpr DWORD kEntryHeaderSize = 60;
constexpr DWORD kEntryNameSize = 52;

struct ContainerEntry {
    // The 8-bit name as stored, with a terminator added after its 52 bytes
    // so that even an unterminated one can be shown.
    char name[kEntryNameSize + 1];
    bool nameTerminated;  // a zero byte within the stored 52
    DWORD attributes;     // for the created file
    DWORD length;         // data bytes that follow the header
};

// HEADER already unscrambled.
ContainerEntry ParseEntryHeader(const BYTE (&header)[kEntryHeaderSize]);

// Whether the entry names a file directly in the folder it unpacks into:
// not empty, terminated, no separator, no drive and no "..". The name comes
// from the container, so nothing else may reach the file system.
bool HasPlainFileName(const ContainerEntry& entry);
