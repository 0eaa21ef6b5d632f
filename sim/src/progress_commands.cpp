// progress expect: the bar of the last progress dialog, which is usually
// gone by the time the command that showed it returns.
#include <device/image.h>
#include <device/paint.h>
#include <device/progress_bars.h>
#include <device/screen.h>

#include "command_families.h"
#include "host_file.h"
#include "number_words.h"

namespace {

struct Range {
    int minimum;
    int maximum;
};

// "LOW-HIGH"; a minus sign at the start belongs to LOW ("-5-10").
Parsed<Range> ParseRange(const ScriptWord& word)
{
    size_t dash = word.text.find('-', 1);
    if (word.quoted || dash == std::string::npos)
        return Parsed<Range>::Failure("bad range \"" + word.text + "\": write LOW-HIGH, such as 0-253");
    Parsed<int> low = ParseInteger({word.text.substr(0, dash), false});
    if (!low) return Parsed<Range>::Failure(low.error());
    Parsed<int> high = ParseInteger({word.text.substr(dash + 1), false});
    if (!high) return Parsed<Range>::Failure(high.error());
    return Range{*low, *high};
}

std::string Described(int minimum, int maximum, int position)
{
    return "range " + std::to_string(minimum) + "-" + std::to_string(maximum) + ", position " +
           std::to_string(position);
}

CommandOutcome Expect(const CommandCall& call)
{
    Parsed<Range> range = ParseRange(call.args[0]);
    if (!range) return CommandOutcome::Failed(range.error());
    Parsed<int> position = ParseInteger(call.args[1]);
    if (!position) return CommandOutcome::Failed(position.error());
    std::string expected = Described(range->minimum, range->maximum, *position);
    std::optional<device::ProgressBarRecord> bar = device::LastProgressBar();
    if (!bar) return CommandOutcome::Failed("expected a progress bar at " + expected + ", found none shown");
    if (bar->minimum == range->minimum && bar->maximum == range->maximum && bar->position == *position)
        return CommandOutcome::Done();
    std::string where = bar->dialog.empty() ? "" : " in dialog " + bar->dialog;
    return CommandOutcome::Failed("expected the progress bar at " + expected + ", found " +
                                  Described(bar->minimum, bar->maximum, bar->position) + where);
}

// The screen at the moment the bar is full, before its dialog goes: the
// watcher lets itself go once it has taken it.
CommandOutcome ScreenshotAtEnd(const CommandCall& call)
{
    std::string file = call.args[0].text;
    Transcript* transcript = &call.context.transcript;
    device::WatchProgressBars([file, transcript](const device::ProgressBarRecord& bar) {
        if (bar.position != bar.maximum) return;
        device::WatchProgressBars(nullptr);
        device::DeliverPaints();
        device::Image image = device::CaptureScreen();
        std::string error;
        if (!device::SavePng(image, file, error))
            transcript->Output("could not write the progress screenshot: " + error);
        else
            transcript->Output("wrote " + FullHostPath(file) + " (the progress bar at its end)");
    });
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"progress", "expect", "LOW-HIGH POS", "checks the range and position of the last progress bar that moved",
     Needs::Device, &Expect},
    {"progress", "screenshot-at-end", "FILE",
     "writes the screen as a PNG file when the next progress bar that moves reaches its end", Needs::Device,
     &ScreenshotAtEnd},
};

}  // namespace

void AddProgressCommands(CommandTable& table) { table.Add(kCommands); }
