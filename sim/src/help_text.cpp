#include "help_text.h"

#include <sstream>

#include "display_text.h"

namespace {

const size_t kColumns = 80;
const char kSummaryIndent[] = "      ";

const char kUsage[] =
    "usage:\n"
    "  pocketsim            runs the demo on a fresh device image in\n"
    "                       ./pocketsim-demo/device; the transcript goes to stdout\n"
    "                       and ./pocketsim-demo/transcript.txt, the screenshots to\n"
    "                       ./pocketsim-demo/*.png\n"
    "  pocketsim run FILE   runs the scenario script FILE; every bad line is\n"
    "                       reported before the first command runs\n"
    "      --results OUT    also writes JSON Lines to OUT, one object per command\n"
    "      --junit OUT      also writes a JUnit XML summary to OUT; with either,\n"
    "                       a failure keeps the screen as FILE's name-failure.png\n"
    "                       beside OUT\n"
    "  pocketsim shell      reads commands a line at a time from the terminal or a\n"
    "                       pipe (also run -) on one device; a failing command is\n"
    "                       reported and the session goes on\n"
    "  pocketsim serve      shows the device in a web browser: the page at the\n"
    "                       address it prints turns mouse clicks into the pen,\n"
    "                       writes with the recogniser, installs and removes;\n"
    "                       Ctrl-C stops it\n"
    "      --port N         listens on 127.0.0.1:N (8240; 0: any free port)\n"
    "      --device FOLDER  opens the device image in FOLDER (a fresh one when\n"
    "                       there is none) instead of a temporary device\n"
    "  pocketsim help       prints this and every script command (also --help, -h)\n"
    "  pocketsim --version  prints the version\n"
    "\n"
    "exit status: 0 the script (or every shell command) passed, 1 it failed,\n"
    "             2 a wrong command line\n"
    "scripts and commands in full: sim/README.md; @NAME files are read beside\n"
    "the script (the shell: the current folder), other paths from the current one\n";

const char kCommandsHeading[] =
    "\n"
    "script commands (one a line, # starts a comment,\n"
    "\"strings\" take \\\" \\\\ \\n \\t \\uXXXX):\n";

// TEXT's words in lines that start with INDENT and fit the columns.
std::string Wrapped(const std::string& text, const std::string& indent)
{
    std::istringstream words(text);
    std::string result, line, word;
    while (words >> word) {
        if (!line.empty() && CharacterCount(indent + line + " " + word) > kColumns) {
            result += indent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) result += indent + line + "\n";
    return result;
}

std::string Synopsis(const CommandEntry& spec)
{
    return spec.usage.empty() ? CommandName(spec) : CommandName(spec) + " " + std::string(spec.usage);
}

}  // namespace

std::string UsageText() { return kUsage; }

std::string HelpText(const CommandTable& commands)
{
    std::string text = std::string(kUsage) + kCommandsHeading;
    for (const CommandEntry& spec : commands.specs()) {
        text += "  " + Synopsis(spec) + "\n";
        text += Wrapped(std::string(spec.summary), kSummaryIndent);
    }
    return text;
}
