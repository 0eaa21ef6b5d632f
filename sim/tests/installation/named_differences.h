// What a fault of a \Windows entry may leave after the package has been
// installed and removed again, each with the reason it is sound.
#pragma once

#include <string>

#include "device_snapshot.h"
#include "windows_file_fault.h"

enum class Leaves {
    PlaceAdded,        // the place itself, a folder, is there afterwards
    FaultedEntryGone,  // the faulted entry, or a folder above it the fault made, is gone
};

struct NamedDifference {
    const char* package;  // nullptr: both
    const char16_t* place;
    bool atOrBelow;  // the faulted path is PLACE or lies in it; else it is PLACE
    WindowsFileFault fault;
    Leaves leaves;
    const char* why;
};

// The row that lets FAULT at PATH, with PACKAGE, leave CHANGE (a line
// DescribeChanges writes); none when nothing names it. FRESH is what a
// fresh device holds: nothing it holds may be gone.
const NamedDifference* FindNamedDifference(const std::string& package, const std::u16string& path,
                                           WindowsFileFault fault, const std::string& change,
                                           const DeviceSnapshot& fresh);
