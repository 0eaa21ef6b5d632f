#include "run_results.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include <nlohmann/json.hpp>

#include "host_file.h"

const char* OutcomeName(CommandResult::Outcome outcome)
{
    switch (outcome) {
    case CommandResult::Outcome::Passed: return "passed";
    case CommandResult::Outcome::Failed: return "failed";
    case CommandResult::Outcome::Skipped: return "skipped";
    }
    return "";
}

namespace {

bool Written(std::ofstream& stream, const std::filesystem::path& file, std::string& error)
{
    stream.close();
    if (stream) return true;
    error = "cannot write " + FullHostPath(file);
    return false;
}

std::string XmlEscaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string Seconds(DWORD milliseconds)
{
    char text[24];
    std::snprintf(text, sizeof text, "%lu.%03lu", static_cast<unsigned long>(milliseconds / 1000),
                  static_cast<unsigned long>(milliseconds % 1000));
    return text;
}

size_t Counted(const std::vector<CommandResult>& results, CommandResult::Outcome outcome)
{
    return std::count_if(results.begin(), results.end(), [&](const CommandResult& r) { return r.outcome == outcome; });
}

}  // namespace

bool WriteJsonLines(const std::vector<CommandResult>& results, const std::filesystem::path& file, std::string& error)
{
    std::ofstream stream(file);
    for (const CommandResult& result : results) {
        nlohmann::ordered_json object = {{"line", result.line},
                                 {"command", result.command},
                                 {"outcome", OutcomeName(result.outcome)},
                                 {"duration_ms", result.durationMs},
                                 {"output", result.output}};
        if (!result.message.empty()) object["message"] = result.message;
        stream << object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
    return Written(stream, file, error);
}

bool WriteJUnit(const std::string& scriptName, const std::vector<CommandResult>& results,
                const std::filesystem::path& file, std::string& error)
{
    DWORD total = 0;
    for (const CommandResult& result : results) total += result.durationMs;
    std::ofstream stream(file);
    stream << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           << "<testsuites>\n"
           << "  <testsuite name=\"" << XmlEscaped(scriptName) << "\" tests=\"" << results.size()
           << "\" failures=\"" << Counted(results, CommandResult::Outcome::Failed) << "\" skipped=\""
           << Counted(results, CommandResult::Outcome::Skipped) << "\" time=\"" << Seconds(total) << "\">\n";
    for (const CommandResult& result : results) {
        std::string name = std::to_string(result.line) + ": " + (result.command.empty() ? "(script)" : result.command);
        stream << "    <testcase classname=\"" << XmlEscaped(scriptName) << "\" name=\"" << XmlEscaped(name)
               << "\" time=\"" << Seconds(result.durationMs) << "\"";
        if (result.outcome == CommandResult::Outcome::Passed) {
            stream << "/>\n";
            continue;
        }
        stream << ">\n";
        if (result.outcome == CommandResult::Outcome::Failed)
            stream << "      <failure message=\"" << XmlEscaped(result.message) << "\"/>\n";
        else
            stream << "      <skipped/>\n";
        stream << "    </testcase>\n";
    }
    stream << "  </testsuite>\n</testsuites>\n";
    return Written(stream, file, error);
}
