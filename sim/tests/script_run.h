// Runs a script in-process and keeps what it wrote, for tests to read.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
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

struct FailingCase {
    std::string script;
    std::string error;  // the whole of stderr
};

// Each script must fail with exactly its error.
inline void ExpectFailures(std::initializer_list<FailingCase> cases)
{
    for (const FailingCase& c : cases) {
        ScriptRun run = RunScript(c.script);
        EXPECT_FALSE(run.passed) << c.script;
        EXPECT_EQ(run.errors, c.error) << c.script;
    }
}
