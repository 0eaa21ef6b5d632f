// The folder a fresh device lives in. It is made under TMPDIR (else /tmp) and
// removed when the device closes, or, should the process be interrupted
// (Ctrl-C, SIGTERM, SIGHUP), just before it ends.
#pragma once

#include <optional>
#include <string>

namespace platform::device_setup {

// A new empty folder, guarded until RemoveTemporaryFolder; none when it
// cannot be made.
std::optional<std::string> MakeTemporaryFolder();

void RemoveTemporaryFolder(const std::string& folder);

}  // namespace platform::device_setup
