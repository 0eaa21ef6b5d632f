#include "setup/removal_resume.h"

#include <crtwide.h>
#include <device/installer.h>

#include "setup/installation_record.h"

namespace {

std::optional<device::RemovalOutcome> lastResumed;

}  // namespace

namespace platform::setup {

void ResumeRemovalsFrom(const std::u16string& folder)
{
    for (const std::u16string& application : ListInstalled()) {
        std::optional<InstallationRecord> record = ReadRecord(application);
        if (!record || !RemovalResumes(application) ||
            _wcsicmp(record->installDirectory.c_str(), folder.c_str()) != 0)
            continue;
        lastResumed = device::RemovePackage(application);
    }
}

void ForgetResumedRemoval() { lastResumed.reset(); }

}  // namespace platform::setup

namespace device {

std::optional<RemovalOutcome> LastResumedRemoval() { return lastResumed; }

}  // namespace device
