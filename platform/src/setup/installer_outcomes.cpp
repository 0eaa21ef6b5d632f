// The installer's outcomes as a transcript tells them.
#include <device/installer.h>

namespace device {
namespace {

std::string FailureCounts(const InstallFailures& failures)
{
    const std::pair<const char*, WORD> counts[] = {
        {"failed directories", failures.directories}, {"failed files", failures.files},
        {"failed registry keys", failures.registryKeys}, {"failed registry values", failures.registryValues},
        {"failed shortcuts", failures.shortcuts}};
    std::string text;
    for (const auto& [name, count] : counts)
        if (count) text += (text.empty() ? "" : ", ") + std::string(name) + " " + std::to_string(count);
    return text.empty() ? "" : " (" + text + ")";
}

}  // namespace

std::string DescribeInstallOutcome(const InstallOutcome& outcome)
{
    switch (outcome.result) {
    case InstallOutcome::Result::Installed: return "installed" + FailureCounts(outcome.failures);
    case InstallOutcome::Result::Refused: return "refused: " + outcome.message;
    case InstallOutcome::Result::Cancelled: return "cancelled";
    case InstallOutcome::Result::RolledBack: return "rolled back" + FailureCounts(outcome.failures);
    }
    return "";
}

std::string DescribeRemovalOutcome(const RemovalOutcome& outcome)
{
    switch (outcome.result) {
    case RemovalOutcome::Result::Removed: return "removed";
    case RemovalOutcome::Result::AwaitingRestart: return "awaiting restart";
    case RemovalOutcome::Result::Cancelled: return "cancelled";
    case RemovalOutcome::Result::NotInstalled: return "not installed";
    case RemovalOutcome::Result::Refused: return "refused: " + outcome.message;
    }
    return "";
}

}  // namespace device
