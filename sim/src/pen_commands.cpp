// tap / press / move / release / doubletap, in the input panel's client
// coordinates
#include <device/clock.h>
#include <device/pen.h>

#include "command_families.h"
#include "number_words.h"
#include "panel_point.h"

namespace {

// Time between the two taps of a double tap, well inside the double-tap time.
constexpr DWORD kDoubleTapGap = 20;
static_assert(kDoubleTapGap < device::kDoubleTapTime);

using PenAction = void (*)(int x, int y);

CommandOutcome OnPanel(const CommandCall& call, PenAction action)
{
    Parsed<int> x = ParseInteger(call.args[0]);
    if (!x) return CommandOutcome::Failed(x.error());
    Parsed<int> y = ParseInteger(call.args[1]);
    if (!y) return CommandOutcome::Failed(y.error());
    Parsed<POINT> point = ScreenPointOnPanel(*x, *y);
    if (!point) return CommandOutcome::Failed(point.error());
    action(point->x, point->y);
    return CommandOutcome::Done();
}

CommandOutcome Tap(const CommandCall& call) { return OnPanel(call, &device::Tap); }

CommandOutcome Press(const CommandCall& call)
{
    return OnPanel(call, [](int x, int y) { device::PenDown(x, y); });
}

CommandOutcome Move(const CommandCall& call)
{
    return OnPanel(call, [](int x, int y) { device::PenMove(x, y); });
}

CommandOutcome Release(const CommandCall& call)
{
    return OnPanel(call, [](int x, int y) { device::PenUp(x, y); });
}

CommandOutcome DoubleTap(const CommandCall& call)
{
    return OnPanel(call, [](int x, int y) {
        device::Tap(x, y);
        device::AdvanceClock(kDoubleTapGap);
        device::Tap(x, y);
    });
}

const CommandEntry kCommands[] = {
    {"tap", "", "X Y", "taps the input panel at X Y (its client coordinates)", Needs::Device, &Tap},
    {"press", "", "X Y", "puts the pen down on the input panel at X Y", Needs::Device, &Press},
    {"move", "", "X Y", "moves the pen, held down, to X Y", Needs::Device, &Move},
    {"release", "", "X Y", "lifts the pen at X Y", Needs::Device, &Release},
    {"doubletap", "", "X Y", "taps twice at X Y within the double-tap time", Needs::Device, &DoubleTap},
};

}  // namespace

void AddPenCommands(CommandTable& table) { table.Add(kCommands); }
