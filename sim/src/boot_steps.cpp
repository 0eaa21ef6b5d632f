#include "boot_steps.h"

#include <device/text.h>

#include <algorithm>
#include <cctype>

namespace {

std::string Folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string FileName(const std::string& program)
{
    size_t slash = program.rfind('\\');
    return slash == std::string::npos ? program : program.substr(slash + 1);
}

}  // namespace

std::string BootStepLines(const std::vector<device::BootStep>& steps)
{
    if (steps.empty()) return "no programs to start";
    std::string lines;
    for (const device::BootStep& step : steps) lines += device::DescribeBootStep(step) + "\n";
    return lines;
}

const device::BootStep* FindBootStep(const std::vector<device::BootStep>& steps, const std::string& name)
{
    std::string wanted = Folded(name);
    for (const device::BootStep& step : steps) {
        std::string program = Folded(device::Utf8(step.program));
        if (program == wanted || FileName(program) == wanted) return &step;
    }
    return nullptr;
}

bool WasStarted(const device::BootStep& step)
{
    return step.outcome == device::BootStep::Outcome::Signalled || step.outcome == device::BootStep::Outcome::Silent;
}
