// pen down / move / up / tap, in screen pixels: the pen wherever it lands,
// on the input panel, a dialog, the shell's bars or the application
#include <string>

#include <device/pen.h>
#include <device/screen.h>

#include "command_families.h"
#include "number_words.h"

namespace {

using PenAction = void (*)(int x, int y);

Parsed<int> Coordinate(const ScriptWord& word, int size, const char* axis)
{
    Parsed<int> value = ParseInteger(word);
    if (!value) return value;
    if (*value < 0 || *value >= size)
        return Parsed<int>::Failure("the screen's " + std::string(axis) + " runs from 0 to " + std::to_string(size - 1) +
                          ", found " + word.text);
    return value;
}

CommandOutcome OnScreen(const CommandCall& call, PenAction action)
{
    Parsed<int> x = Coordinate(call.args[0], device::kScreenWidth, "x");
    if (!x) return CommandOutcome::Failed(x.error());
    Parsed<int> y = Coordinate(call.args[1], device::kScreenHeight, "y");
    if (!y) return CommandOutcome::Failed(y.error());
    action(*x, *y);
    return CommandOutcome::Done();
}

CommandOutcome Down(const CommandCall& call)
{
    return OnScreen(call, [](int x, int y) { device::PenDown(x, y); });
}

CommandOutcome Move(const CommandCall& call)
{
    return OnScreen(call, [](int x, int y) { device::PenMove(x, y); });
}

CommandOutcome Up(const CommandCall& call)
{
    return OnScreen(call, [](int x, int y) { device::PenUp(x, y); });
}

CommandOutcome Tap(const CommandCall& call) { return OnScreen(call, &device::Tap); }

const CommandEntry kCommands[] = {
    {"pen", "down", "X Y", "puts the pen down on the screen at X Y (screen pixels: 0-239, 0-319)", Needs::Device, &Down},
    {"pen", "move", "X Y", "moves the pen, held down, to X Y on the screen", Needs::Device, &Move},
    {"pen", "up", "X Y", "lifts the pen at X Y on the screen", Needs::Device, &Up},
    {"pen", "tap", "X Y", "taps the screen at X Y", Needs::Device, &Tap},
};

}  // namespace

void AddScreenPenCommands(CommandTable& table) { table.Add(kCommands); }
