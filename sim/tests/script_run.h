// Runs a script in-process and keeps what it wrote, for tests to read.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "command_families.h"
#include "scenario_runner.h"

struct ScriptRun {
    bool passed;
    std::string output;
    std::string errors;
};

inline ScriptRun RunScript(std::string_view text, const CommandTable& commands = StandardCommands())
{
    std::ostringstream output;
    std::ostringstream errors;
    Transcript transcript;
    transcript.SendOutputTo(output);
    transcript.SendErrorsTo(errors);
    bool passed = ScenarioRunner(commands, transcript).Run("test.txt", text, SIM_TEST_SCENARIOS);
    return {passed, output.str(), errors.str()};
}
