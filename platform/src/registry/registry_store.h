// The attached registry: the device database it works on, and how calls run on it.
#pragma once

#include <functional>
#include <string>

#include <windef.h>

#include "registry/registry_session.h"

namespace platform::registry {

// Opens (creating when missing) the registry database at PATH; ":memory:"
// gives a registry that lives as long as the device.
bool Attach(const std::string& path);
// Closes the database; every handle handed out before is invalid from now on.
void Detach();

enum class Access {
    Direct,  // statements run on their own, outside a transaction
    Read,
    Write,
};

// Runs OPERATION as one transaction on the attached registry: committed when
// it answers ERROR_SUCCESS or ERROR_MORE_DATA, rolled back otherwise. With no
// registry attached every handle is unknown (ERROR_INVALID_HANDLE). Nothing
// thrown inside escapes: an allocation failure is ERROR_NOT_ENOUGH_MEMORY.
LONG Run(Access access, const std::function<LONG(RegistrySession&)>& operation);

// The path HANDLE was opened with, from its root; empty for a handle that is not open.
std::u16string PathOfHandle(HKEY handle);

}  // namespace platform::registry
