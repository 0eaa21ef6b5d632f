// What pocketsim was asked to do by its arguments.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Demo, Run, Shell, Help, Version, Wrong };
    Action action = Action::Demo;
    std::string scriptFile;   // Run
    std::string resultsFile;  // Run: JSON Lines, one object per command
    std::string junitFile;    // Run: a JUnit XML summary
    std::string problem;     // Wrong: one line saying what was wrong
};

// ARGS without the program's own name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
