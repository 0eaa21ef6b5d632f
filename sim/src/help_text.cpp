#include "help_text.h"

#include <algorithm>

namespace {

const char kUsage[] =
    "usage:\n"
    "  pocketsim            runs the demo on a fresh device image in ./pocketsim-demo/device,\n"
    "                       writing the transcript to stdout and ./pocketsim-demo/transcript.txt\n"
    "  pocketsim run FILE   runs a scenario script; exit status 1 when it fails\n"
    "  pocketsim --help     prints this\n"
    "\n"
    "script commands (one a line, # starts a comment, \"strings\" take \\\" \\\\ \\n \\t \\uXXXX):\n";

std::string Synopsis(const CommandEntry& spec)
{
    return spec.usage.empty() ? CommandName(spec) : CommandName(spec) + " " + std::string(spec.usage);
}

}  // namespace

std::string HelpText(const CommandTable& commands)
{
    size_t width = 0;
    for (const CommandEntry& spec : commands.specs()) width = std::max(width, Synopsis(spec).size());
    std::string text = kUsage;
    for (const CommandEntry& spec : commands.specs()) {
        std::string synopsis = Synopsis(spec);
        text += "  " + synopsis + std::string(width - synopsis.size() + 2, ' ') + std::string(spec.summary) + "\n";
    }
    return text;
}
