// The boot sequence and what the driver reads of it.
#include <device/boot.h>
#include <device/processes.h>
#include <device/text.h>
#include <winerror.h>

#include <algorithm>
#include <string>

#include "process/program_launcher.h"
#include "process/started_signals.h"
#include "setup/boot_record.h"
#include "setup/launch_list.h"
#include "setup/removal_resume.h"

namespace {

using device::BootStep;

std::vector<BootStep> lastBoot;

bool HasSignalled(DWORD number)
{
    const std::vector<DWORD>& signals = device::StartedSignals();
    return std::find(signals.begin(), signals.end(), number) != signals.end();
}

std::vector<DWORD> NotYetSignalled(const std::vector<DWORD>& depends)
{
    std::vector<DWORD> missing;
    for (DWORD number : depends)
        if (!HasSignalled(number)) missing.push_back(number);
    return missing;
}

// Nothing waits on the device: a program runs to its end when started, so
// whatever it has not signalled by then it never will.
BootStep Start(const platform::setup::LaunchEntry& entry)
{
    BootStep step{entry.number, entry.program, BootStep::Outcome::NotStarted};
    step.waitingFor = NotYetSignalled(entry.depends);
    if (!step.waitingFor.empty()) return step;
    std::u16string commandLine = device::Utf16(std::to_string(entry.number));
    platform::process::Launched launched = platform::process::LaunchProgram(entry.program, commandLine);
    if (launched.error == ERROR_FILE_NOT_FOUND) step.outcome = BootStep::Outcome::NotFound;
    if (launched.error != ERROR_SUCCESS) {
        step.error = launched.error;
        return step;
    }
    step.outcome = HasSignalled(entry.number) ? BootStep::Outcome::Signalled : BootStep::Outcome::Silent;
    step.ending = device::ProgramLaunches().back().ending;
    return step;
}

std::string NumberList(const std::vector<DWORD>& numbers)
{
    std::string list;
    for (DWORD number : numbers) list += (list.empty() ? "" : ", ") + std::to_string(number);
    return list;
}

std::string OutcomeText(const BootStep& step)
{
    switch (step.outcome) {
    case BootStep::Outcome::Signalled: return "signalled (" + step.ending + ")";
    case BootStep::Outcome::Silent: return "started, never signalled (" + step.ending + ")";
    case BootStep::Outcome::NotFound: return "not found";
    case BootStep::Outcome::NotStarted: break;
    }
    if (!step.waitingFor.empty()) return "not started, waits for " + NumberList(step.waitingFor);
    return "not started, error " + std::to_string(step.error);
}

}  // namespace

namespace device {

std::vector<BootStep> Boot()
{
    platform::process::ClearStartedSignals();
    lastBoot.clear();
    platform::setup::ForgetResumedRemoval();
    for (const platform::setup::LaunchEntry& entry : platform::setup::ReadLaunchList()) lastBoot.push_back(Start(entry));
    return lastBoot;
}

const std::vector<BootStep>& LastBoot() { return lastBoot; }

std::string DescribeBootStep(const BootStep& step)
{
    return "Launch" + std::to_string(step.number) + " " + Utf8(step.program) + ": " + OutcomeText(step);
}

}  // namespace device

namespace platform::setup {

void ForgetLastBoot()
{
    lastBoot.clear();
    ForgetResumedRemoval();
}

}  // namespace platform::setup
