// Runs a scenario script against the device, one statement at a time; the
// first failure stops the run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command_table.h"
#include "run_context.h"
#include "transcript.h"

class ScenarioRunner {
public:
    ScenarioRunner(const CommandTable& commands, Transcript& transcript);

    // True when every command ran and every expectation held. SCRIPT_NAME
    // starts each error line; @HOSTFILE arguments are read from SCRIPT_FOLDER.
    bool Run(std::string_view scriptName, std::string_view text, const std::filesystem::path& scriptFolder);

private:
    std::optional<std::vector<ResolvedCommand>> ResolveAll(const Script& script);
    std::optional<ScriptError> Execute(const ScriptStatement& statement, const ResolvedCommand& command,
                                       RunContext& context);
    void EchoStatement(const ScriptStatement& statement, const ResolvedCommand& command);
    bool Fail(const ScriptError& error);

    const CommandTable& commands_;
    Transcript& transcript_;
    std::string scriptName_;
};
