#include "install_remove_journey.h"

#include <device/boot.h>
#include <device/message_boxes.h>
#include <winuser.h>

namespace {

// More than any step shows: a box left unanswered would be a device fault.
constexpr int kAnswersAStep = 16;
// The removal takes two passes with a restart between them; a third
// attempt would be the user trying again.
constexpr int kRemovalAttempts = 3;

void AnswerEveryBox()
{
    while (device::PendingMessageBoxAnswers() < kAnswersAStep) device::QueueMessageBoxAnswer(IDYES);
}

void RestartWhenAsked()
{
    if (device::RestartPending()) device::Restart();
}

}  // namespace

bool IsPackageInstalled() { return device::IsInstalled(kPackageApplication); }

JourneyEnd InstallAndRemove(const std::string& hostPackageFolder)
{
    AnswerEveryBox();
    JourneyEnd end{device::InstallPackage(hostPackageFolder), {}, false};
    RestartWhenAsked();
    for (int attempt = 0; attempt < kRemovalAttempts && IsPackageInstalled(); ++attempt) {
        AnswerEveryBox();
        end.removals.push_back(device::RemovePackage(kPackageApplication));
        RestartWhenAsked();
    }
    end.stillInstalled = IsPackageInstalled();
    return end;
}
