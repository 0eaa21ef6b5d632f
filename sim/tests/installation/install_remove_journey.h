// A user's whole journey with a package: install it, restart when asked,
// then remove it, restarting whenever the removal asks, until it is gone or
// the removal gives up.
#pragma once

#include <string>
#include <vector>

#include <device/installer.h>

// The name both packages install under.
inline constexpr char16_t kPackageApplication[] = u"Tarvex Lexovia";

struct JourneyEnd {
    device::InstallOutcome install;
    std::vector<device::RemovalOutcome> removals;
    bool stillInstalled;
};

// Every message box is answered Yes: the restart question wants it, and
// the other boxes offer OK alone, whose answer nothing reads but as "not
// Cancel".
JourneyEnd InstallAndRemove(const std::string& hostPackageFolder);

// Whether the package is in the device's installed list.
bool IsPackageInstalled();
