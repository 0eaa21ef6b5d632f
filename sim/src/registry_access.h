// The registry calls the commands make, each answering the platform's result
// code (ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ...).
#pragma once

#include <string>

#include <windows.h>

#include "registry_path.h"
#include "registry_value.h"

LONG WriteRegistryValue(const RegistryPath& key, const std::u16string& name, const RegistryValue& value);
LONG ReadRegistryValue(const RegistryPath& key, const std::u16string& name, RegistryValue& value);
LONG DeleteRegistryValue(const RegistryPath& key, const std::u16string& name);
LONG DeleteRegistryKey(const RegistryPath& key);  // with all below it
LONG FindRegistryKey(const RegistryPath& key);
