// The removal that resumes after a restart: the package's restart program,
// started by the boot sequence from the install directory, runs the removal
// marked to resume there.
#pragma once

#include <string>

namespace platform::setup {

// Runs the removal of every installed application whose install directory
// is FOLDER and whose removal waits for the restart.
void ResumeRemovalsFrom(const std::u16string& folder);

// A new boot has resumed nothing yet.
void ForgetResumedRemoval();

}  // namespace platform::setup
