// Runs one resolved statement on the device: echoes it, calls its handler,
// shows the message boxes it raised and turns device faults into its error.
// Scripts and the shell run their statements through it alike.
#pragma once

#include <optional>

#include "command_table.h"
#include "run_context.h"
#include "script.h"
#include "script_error.h"

std::optional<ScriptError> ExecuteStatement(const ScriptStatement& statement, const ResolvedCommand& command,
                                            RunContext& context);
