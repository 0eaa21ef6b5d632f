// The simulated device as a whole: one per process. Tests create a fresh one
// in a temporary folder; pocketsim opens a device image folder that survives the run.
#pragma once

#include <string>

namespace device {

// A fresh device with the factory registry and files, in a temporary folder
// that is removed when the device closes.
bool CreateFresh();

// Opens the image in FOLDER, creating a fresh one there when it holds none.
bool OpenImage(const std::string& folder);

// Creates a fresh image in FOLDER, discarding what it held.
bool CreateImage(const std::string& folder);

void Close();
bool IsOpen();

// The host folder holding the device image, and the one holding its file tree.
std::string ImageFolder();
std::string FileRoot();

}  // namespace device
