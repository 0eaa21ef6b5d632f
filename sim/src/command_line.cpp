#include "command_line.h"

#include <charconv>
#include <optional>

namespace {

CommandLine Wrong(std::string problem)
{
    CommandLine line;
    line.action = CommandLine::Action::Wrong;
    line.problem = std::move(problem);
    return line;
}

bool IsHelpWord(const std::string& word) { return word == "help" || word == "--help" || word == "-h"; }

// run [--results FILE] [--junit FILE] SCRIPT, the options in any order.
CommandLine Run(const std::vector<std::string>& args)
{
    CommandLine line;
    std::vector<std::string> scripts;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string* file = args[i] == "--results" ? &line.resultsFile : args[i] == "--junit" ? &line.junitFile : nullptr;
        if (!file) {
            if (args[i].starts_with("--")) return Wrong("unknown option \"" + args[i] + "\" of run");
            scripts.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) return Wrong(args[i] + " needs a FILE to write");
        *file = args[++i];
    }
    if (scripts.empty()) return Wrong("run needs the script FILE to run");
    if (scripts.size() > 1) return Wrong("run takes one script FILE, found " + std::to_string(scripts.size()));
    line.action = scripts[0] == "-" ? CommandLine::Action::Shell : CommandLine::Action::Run;
    line.scriptFile = scripts[0];
    return line;
}

constexpr int kHighestPort = 65535;

std::optional<int> PortNumber(const std::string& text)
{
    int port = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || port < 0 || port > kHighestPort)
        return std::nullopt;
    return port;
}

// serve [--port N] [--device FOLDER], the options in any order.
CommandLine Serve(const std::vector<std::string>& args)
{
    CommandLine line;
    line.action = CommandLine::Action::Serve;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--port" && args[i] != "--device") {
            if (args[i].starts_with("--")) return Wrong("unknown option \"" + args[i] + "\" of serve");
            return Wrong("serve takes only options, found \"" + args[i] + "\"");
        }
        if (i + 1 == args.size()) return Wrong(args[i] + (args[i] == "--port" ? " needs a port number" : " needs a FOLDER"));
        const std::string& value = args[++i];
        if (args[i - 1] == "--device") {
            line.deviceFolder = value;
            continue;
        }
        std::optional<int> port = PortNumber(value);
        if (!port) return Wrong("--port takes a number from 0 (any free port) to 65535, found \"" + value + "\"");
        line.port = *port;
    }
    return line;
}

CommandLine Alone(const std::vector<std::string>& args, CommandLine::Action action)
{
    if (args.size() > 1) return Wrong(args[0] + " takes no arguments, found \"" + args[1] + "\"");
    CommandLine line;
    line.action = action;
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    if (args.empty()) return CommandLine{};
    const std::string& first = args[0];
    if (first == "run") return Run(args);
    if (first == "shell") return Alone(args, CommandLine::Action::Shell);
    if (first == "serve") return Serve(args);
    if (IsHelpWord(first)) return Alone(args, CommandLine::Action::Help);
    if (first == "--version") return Alone(args, CommandLine::Action::Version);
    if (first.starts_with("-")) return Wrong("unknown option \"" + first + "\"");
    return Wrong("unknown command \"" + first + "\"");
}
