// The device's cabinet installer, as the driver asks it to install or
// remove a package. A package is a host folder holding "manifest.txt" and
// the files it names; the installer copies them onto the device, enters the
// package's registry values, self-registers the libraries marked so, and
// calls the package's setup hooks (Install_Init, Install_Exit,
// Uninstall_Init, Uninstall_Exit) at their places in the flow.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windef.h>

namespace device {

// What the placing steps could not do, counted by kind, as Install_Exit is told.
struct InstallFailures {
    WORD directories = 0;
    WORD files = 0;  // a file not copied, or a library that did not register itself
    WORD registryKeys = 0;
    WORD registryValues = 0;
    WORD shortcuts = 0;
};

struct InstallOutcome {
    enum class Result {
        Installed,   // placed; Install_Exit answered done
        Refused,     // a malformed package, or one the installer cannot load: nothing placed
        Cancelled,   // Install_Init answered cancel: nothing placed
        RolledBack,  // Install_Exit asked for the package's removal: what was placed is gone again
    };
    Result result;
    std::u16string application;  // the manifest's application name; empty when it could not be read
    std::string message;         // Refused: what is wrong, naming the file or line
    InstallFailures failures{};
};

// Installs the package in HOST_FOLDER on the open device.
InstallOutcome InstallPackage(const std::string& hostFolder);

struct RemovalOutcome {
    enum class Result {
        Removed,          // Uninstall_Init continued; files and values gone; Uninstall_Exit called
        AwaitingRestart,  // Uninstall_Init cancelled after asking for a restart: the restart resumes it
        Cancelled,        // Uninstall_Init cancelled without a restart: still installed
        NotInstalled,     // no such application in the installed list
        Refused,          // its setup library or record cannot be read: nothing removed
    };
    Result result;
    std::string message;  // Refused: why
};

// Removes the installed APPLICATION.
RemovalOutcome RemovePackage(const std::u16string& application);

// The installed applications, by name, in the order they were installed.
std::vector<std::u16string> InstalledApplications();
bool IsInstalled(const std::u16string& application);

// The outcome of the removal the package's restart program resumed during
// the last boot; none when no removal was resumed.
std::optional<RemovalOutcome> LastResumedRemoval();

// "installed", "refused: ...", "rolled back (failed files 1)", ... for a transcript.
std::string DescribeInstallOutcome(const InstallOutcome& outcome);
std::string DescribeRemovalOutcome(const RemovalOutcome& outcome);

}  // namespace device
