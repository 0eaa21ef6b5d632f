// A built input-method library placed on the device and registered, as its
// installation would leave it.
#pragma once

#include <string>

// Copies HOST_FILE to DEVICE_PATH, loads it there and calls its
// DllRegisterServer; a step that fails is a fatal test failure.
void PlaceAndRegisterLibrary(const std::string& hostFile, const std::u16string& devicePath);
