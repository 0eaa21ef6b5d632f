// pocketsim: runs a scenario script, or the built-in demo, on a simulated device.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include <device/device.h>

#include "browser_server.h"
#include "browser_session.h"
#include "command_families.h"
#include "command_line.h"
#include "help_text.h"
#include "host_file.h"
#include "line_input.h"
#include "run_results.h"
#include "scenario_runner.h"
#include "shell_session.h"
#include "stop_signals.h"

extern const char kDemoScript[];

namespace {

const char kDemoFolder[] = "pocketsim-demo";

int Finish(bool passed)
{
    device::Close();
    return passed ? 0 : 1;
}

// Results files and the screen at a failure, when asked for, are written
// beside the results.
int RunFile(const CommandLine& line)
{
    std::filesystem::path script = line.scriptFile;
    Parsed<std::string> text = ReadHostFile(script);
    if (!text) {
        std::cerr << "pocketsim: " << text.error() << "\n";
        return 1;
    }
    Transcript transcript;
    transcript.SendOutputTo(std::cout);
    transcript.SendErrorsTo(std::cerr);
    std::filesystem::path folder = script.has_parent_path() ? script.parent_path() : ".";
    ScenarioRunner runner(StandardCommands(), transcript);
    std::string resultsFile = line.resultsFile.empty() ? line.junitFile : line.resultsFile;
    if (!resultsFile.empty())
        runner.WriteFailureScreenTo(std::filesystem::path(resultsFile).parent_path() /
                                    (script.stem().string() + "-failure.png"));
    bool passed = runner.Run(script.string(), *text, folder);
    std::string error;
    if (!line.resultsFile.empty() && !WriteJsonLines(runner.Results(), line.resultsFile, error)) {
        std::cerr << "pocketsim: " << error << "\n";
        passed = false;
    }
    if (!line.junitFile.empty() && !WriteJUnit(script.string(), runner.Results(), line.junitFile, error)) {
        std::cerr << "pocketsim: " << error << "\n";
        passed = false;
    }
    return Finish(passed);
}

// A terminal gets prompts and line editing; a pipe is read as it comes.
int RunShell()
{
    Transcript transcript;
    transcript.SendOutputTo(std::cout);
    transcript.SendErrorsTo(std::cerr);
    StreamLineInput piped(std::cin);
    std::unique_ptr<EditedLineInput> typed;
    if (isatty(STDIN_FILENO)) {
        typed = std::make_unique<EditedLineInput>();
        std::cout << "pocketsim " << POCKETSIM_VERSION << ": a fresh device is open. Commands as in scripts;\n"
                  << "\"help\" lists them, \"quit\" or end of input ends the session.\n";
    }
    LineInput& input = typed ? static_cast<LineInput&>(*typed) : piped;
    return Finish(ShellSession(StandardCommands(), transcript, input).Run("."));
}

// The device runs on its own thread until Ctrl-C, which stops the server
// between requests and closes the device, its image whole.
int RunServe(const CommandLine& line)
{
    StopSignals signals;
    BrowserSession session(StandardCommands());
    std::thread device([&] { session.RunDevice(line.deviceFolder); });
    BrowserServer server(session);
    std::string error;
    bool serving = session.WaitUntilReady(error) && server.Bind(line.port, error);
    if (serving) {
        signals.OnStop([&] {
            session.Stop();
            server.Stop();
        });
        std::cout << "pocketsim " << POCKETSIM_VERSION << ": the device is at http://127.0.0.1:" << server.Port()
                  << "/ (Ctrl-C stops)" << std::endl;
        server.Listen();
    }
    session.Stop();
    device.join();
    if (!serving) {
        std::cerr << "pocketsim: " << error << (error.ends_with('\n') ? "" : "\n");
        return 1;
    }
    std::cout << "pocketsim: stopped";
    if (!line.deviceFolder.empty())
        std::cout << "; \"device open " << line.deviceFolder << "\" continues with the device as it was";
    std::cout << std::endl;
    return 0;
}

int RunDemo()
{
    std::error_code error;
    std::filesystem::create_directories(kDemoFolder, error);
    std::ofstream file(std::filesystem::path(kDemoFolder) / "transcript.txt");
    if (error || !file) {
        std::cerr << "pocketsim: cannot write " << kDemoFolder << "/transcript.txt\n";
        return 1;
    }
    Transcript transcript;
    transcript.SendOutputTo(std::cout);
    transcript.SendOutputTo(file);
    transcript.SendErrorsTo(std::cerr);
    transcript.SendErrorsTo(file);
    ScenarioRunner runner(StandardCommands(), transcript);
    runner.WriteFailureScreenTo(std::filesystem::path(kDemoFolder) / "failure.png");
    bool passed = runner.Run("demo.txt", kDemoScript, ".");
    std::filesystem::path folder = kDemoFolder;
    std::cout << "\nThe transcript is in " << FullHostPath(folder / "transcript.txt") << ",\nthe screenshots in "
              << FullHostPath(folder / "*.png") << ".\n";
    return Finish(passed);
}

}  // namespace

int main(int argc, char** argv)
{
    CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case CommandLine::Action::Demo: return RunDemo();
    case CommandLine::Action::Run: return RunFile(line);
    case CommandLine::Action::Shell: return RunShell();
    case CommandLine::Action::Serve: return RunServe(line);
    case CommandLine::Action::Help: std::cout << HelpText(StandardCommands()); return 0;
    case CommandLine::Action::Version: std::cout << "pocketsim " << POCKETSIM_VERSION << "\n"; return 0;
    case CommandLine::Action::Wrong: break;
    }
    std::cerr << "pocketsim: " << line.problem << "\n\n" << UsageText();
    return 2;
}
