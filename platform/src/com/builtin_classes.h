// Classes the platform itself provides, found before the class registry.
#pragma once

#include <device/com.h>

namespace platform::com {

// The creator of CLSID, or null when the platform has no such class.
device::ClassCreator FindBuiltinClass(REFCLSID clsid);

// Drops the classes added for the device that is closing.
void ForgetAddedClasses();

}  // namespace platform::com
