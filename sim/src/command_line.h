// What pocketsim was asked to do by its arguments.
#pragma once

#include <string>
#include <vector>

constexpr int kDefaultServePort = 8240;

struct CommandLine {
    enum class Action { Demo, Run, Shell, Serve, Help, Version, Wrong };
    Action action = Action::Demo;
    std::string scriptFile;   // Run
    std::string resultsFile;  // Run: JSON Lines, one object per command
    std::string junitFile;    // Run: a JUnit XML summary
    int port = kDefaultServePort;  // Serve: on 127.0.0.1; 0 for any free port
    std::string deviceFolder; // Serve: the device image to open; empty for a fresh device
    std::string problem;     // Wrong: one line saying what was wrong
};

// ARGS without the program's own name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
