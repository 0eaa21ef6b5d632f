// pocketsim: runs a scenario script, or the built-in demo, on a simulated device.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

#include <device/device.h>

#include "command_families.h"
#include "help_text.h"
#include "host_file.h"
#include "scenario_runner.h"

extern const char kDemoScript[];

namespace {

const char kDemoFolder[] = "pocketsim-demo";

int Finish(bool passed)
{
    device::Close();
    return passed ? 0 : 1;
}

int RunFile(const std::filesystem::path& script)
{
    std::optional<std::string> text = ReadHostFile(script);
    if (!text) {
        std::cerr << "pocketsim: cannot read " << script.string() << "\n";
        return 1;
    }
    Transcript transcript;
    transcript.SendOutputTo(std::cout);
    transcript.SendErrorsTo(std::cerr);
    std::filesystem::path folder = script.has_parent_path() ? script.parent_path() : ".";
    return Finish(ScenarioRunner(StandardCommands(), transcript).Run(script.string(), *text, folder));
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
    return Finish(ScenarioRunner(StandardCommands(), transcript).Run("demo.txt", kDemoScript, "."));
}

}  // namespace

int main(int argc, char** argv)
{
    std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 1) return RunDemo();
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << HelpText(StandardCommands());
        return 0;
    }
    if (argc == 3 && first == "run") return RunFile(argv[2]);
    std::cerr << HelpText(StandardCommands());
    return 2;
}
