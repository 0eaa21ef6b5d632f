// A fresh device's image kept in a folder, for tests that run many
// installations each on a copy of it.
#pragma once

#include <string>

#include "device_snapshot.h"

// Makes a fresh device's image in FOLDER and answers what it holds; the
// device is closed again.
Parsed<DeviceSnapshot> MakeFactoryImage(const std::string& folder);
