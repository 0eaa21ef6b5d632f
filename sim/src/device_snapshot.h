// What the device holds, as "device mark" keeps it and "device diff-since"
// compares it: every registry key and value, and every folder and file of
// the file tree with its size, attributes and a digest of its bytes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "parsed.h"

struct DeviceSnapshot {
    // "HKLM\nls\" for a key, "HKLM\nls\DefaultLCID" for a value (the
    // default value as "@"): the value's data as the registry listing writes it.
    std::map<std::string, std::string> registry;
    // "\Windows\" for a folder, "\Windows\wince.nls" for a file: "12 bytes
    // readonly inrom #<digest>" ("folder" for a folder).
    std::map<std::string, std::string> files;
};

// The open device as it is now; a failure names the folder that could not be read.
Parsed<DeviceSnapshot> TakeDeviceSnapshot();

// What changed from BEFORE to AFTER, one line each, registry first, each
// part in path order: "added PATH = DATA", "removed PATH = DATA",
// "changed PATH: OLD -> NEW".
std::vector<std::string> DescribeChanges(const DeviceSnapshot& before, const DeviceSnapshot& after);

// Marks live in the device image, so they outlast the run that made them.
std::string SaveSnapshot(const std::string& file, const DeviceSnapshot& snapshot);  // empty, or the failure
Parsed<DeviceSnapshot> LoadSnapshot(const std::string& file);
