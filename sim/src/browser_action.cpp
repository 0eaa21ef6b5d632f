#include "browser_action.h"

#include <nlohmann/json.hpp>

#include <device/screen.h>

#include "argument_checks.h"
#include "display_text.h"
#include "message_box_words.h"

namespace {

using nlohmann::json;
using Reader = Parsed<BrowserAction> (*)(const json& action);

constexpr int kLastTable = 26;
constexpr size_t kLongestWriting = 200;  // characters the recogniser takes in one action

Parsed<BrowserAction> Failure(std::string error) { return Parsed<BrowserAction>::Failure(std::move(error)); }

BrowserAction Lines(std::vector<std::string> lines) { return {std::move(lines), false}; }

// The integer FIELD of ACTION within LOW..HIGH.
Parsed<int> Integer(const json& action, const char* field, int low, int high)
{
    auto found = action.find(field);
    if (found == action.end()) return Parsed<int>::Failure(std::string("\"") + field + "\" is missing");
    if (!found->is_number_integer() || *found < low || *found > high)
        return Parsed<int>::Failure(std::string("\"") + field + "\" must be a whole number from " +
                                    std::to_string(low) + " to " + std::to_string(high));
    return found->get<int>();
}

Parsed<std::string> Text(const json& action, const char* field)
{
    auto found = action.find(field);
    if (found == action.end() || !found->is_string())
        return Parsed<std::string>::Failure(std::string("\"") + field + "\" must be a string");
    return found->get<std::string>();
}

// How long the pen paused before an event, as a wait; none for no pause. A
// pause longer than any the device tells apart counts as the longest.
Parsed<std::vector<std::string>> Pause(const json& action)
{
    using Waits = Parsed<std::vector<std::string>>;
    auto found = action.find("waited");
    if (found == action.end()) return std::vector<std::string>{};
    if (!found->is_number() || *found < 0) return Waits::Failure("\"waited\" must be a number of milliseconds");
    int waited = *found >= kLongestPenPause ? kLongestPenPause : static_cast<int>(found->get<double>());
    if (waited == 0) return std::vector<std::string>{};
    return std::vector<std::string>{"wait " + std::to_string(waited)};
}

Parsed<BrowserAction> Pen(const json& action)
{
    Parsed<std::string> phase = Text(action, "phase");
    if (!phase || (*phase != "down" && *phase != "move" && *phase != "up"))
        return Failure("\"phase\" must be \"down\", \"move\" or \"up\"");
    Parsed<int> x = Integer(action, "x", 0, device::kScreenWidth - 1);
    if (!x) return Failure(x.error());
    Parsed<int> y = Integer(action, "y", 0, device::kScreenHeight - 1);
    if (!y) return Failure(y.error());
    Parsed<std::vector<std::string>> pause = Pause(action);
    if (!pause) return Failure(pause.error());
    std::vector<std::string> lines = *pause;
    lines.push_back("pen " + *phase + " " + std::to_string(*x) + " " + std::to_string(*y));
    return Lines(std::move(lines));
}

// The pen stays down: time passes for a held key.
Parsed<BrowserAction> Hold(const json& action)
{
    Parsed<std::vector<std::string>> pause = Pause(action);
    if (!pause || pause->empty()) return Failure("\"waited\" must be a number of milliseconds above 0");
    return Lines(*pause);
}

Parsed<BrowserAction> Clock(const json& action)
{
    Parsed<int> ms = Integer(action, "ms", 1, static_cast<int>(kLongestCommandTime));
    if (!ms) return Failure(ms.error());
    return Lines({"wait " + std::to_string(*ms)});
}

Parsed<BrowserAction> Write(const json& action)
{
    Parsed<std::string> text = Text(action, "text");
    if (!text) return Failure(text.error());
    size_t characters = CharacterCount(*text);
    if (characters == 0 || characters > kLongestWriting)
        return Failure("\"text\" must hold 1 to " + std::to_string(kLongestWriting) + " characters");
    if (text->find('\0') != std::string::npos) return Failure("\"text\" must not hold U+0000");
    return Lines({"write " + Quoted(*text)});
}

// NAME must be one of CHOICES; LINE is the script line with it.
Parsed<BrowserAction> Choice(const json& action, const char* field, std::initializer_list<const char*> choices,
                             const std::string& lineStart, std::vector<std::string> after = {})
{
    Parsed<std::string> name = Text(action, field);
    std::string allowed;
    for (const char* choice : choices) {
        if (name && *name == choice) {
            after.insert(after.begin(), lineStart + choice);
            return Lines(std::move(after));
        }
        allowed += (allowed.empty() ? "\"" : ", \"") + std::string(choice) + "\"";
    }
    return Failure(std::string("\"") + field + "\" must be one of " + allowed);
}

Parsed<BrowserAction> Install(const json& action)
{
    return Choice(action, "package", {"russian", "hebrew"}, "install ");
}

// The panel is shown with the method chosen, as a user choosing it expects.
Parsed<BrowserAction> InputMethod(const json& action)
{
    return Choice(action, "name", {"finkeys", "qvpen", "keyboard"}, "im select ", {"sip show"});
}

// The table is read when the panel is next shown: show it again at once.
Parsed<BrowserAction> Table(const json& action)
{
    Parsed<int> number = Integer(action, "number", 0, kLastTable);
    if (!number) return Failure(number.error());
    return Lines({"translit select " + std::to_string(*number), "sip hide", "sip show"});
}

Parsed<BrowserAction> Panel(const json& action)
{
    auto shown = action.find("shown");
    if (shown == action.end() || !shown->is_boolean()) return Failure("\"shown\" must be true or false");
    return Lines({*shown ? "sip show" : "sip hide"});
}

Parsed<BrowserAction> Answer(const json& action)
{
    Parsed<std::string> name = Text(action, "answer");
    if (!name || !AnswerFromName(*name)) return Failure("\"answer\" must be one of " + AnswerNames());
    return BrowserAction{{"msgbox answer " + *name}, true};
}

Parsed<BrowserAction> Dialog(const json& action)
{
    return Choice(action, "button", {"ok", "cancel", "help"}, "dialog ");
}

struct ActionEntry {
    std::string_view name;
    Reader read;
};

const ActionEntry kActions[] = {
    {"pen", &Pen},           {"hold", &Hold},   {"clock", &Clock},   {"write", &Write},   {"install", &Install},
    {"input-method", &InputMethod}, {"table", &Table}, {"panel", &Panel}, {"answer", &Answer}, {"dialog", &Dialog},
};

// Actions that take no fields: each is one script line.
struct PlainAction {
    std::string_view name;
    const char* line;
};

const PlainAction kPlainActions[] = {
    {"write-backspace", "write-backspace"}, {"remove", "remove"},         {"restart", "device restart"},
    {"options", "sip options"},             {"text-clear", "text clear"}, {"events-clear", "events clear"},
};

}  // namespace

Parsed<BrowserAction> ReadBrowserAction(std::string_view body)
{
    json action = json::parse(body, nullptr, false);
    if (action.is_discarded() || !action.is_object()) return Failure("the body must be a JSON object");
    auto name = action.find("action");
    if (name == action.end() || !name->is_string()) return Failure("\"action\" must name the action");
    for (const ActionEntry& entry : kActions)
        if (entry.name == name->get<std::string>()) return entry.read(action);
    for (const PlainAction& plain : kPlainActions)
        if (plain.name == name->get<std::string>()) return Lines({plain.line});
    return Failure("unknown action \"" + name->get<std::string>() + "\"; the actions are " + BrowserActionNames());
}

std::string BrowserActionNames()
{
    std::string names;
    for (const ActionEntry& entry : kActions) names += (names.empty() ? "" : ", ") + std::string(entry.name);
    for (const PlainAction& plain : kPlainActions) names += ", " + std::string(plain.name);
    return names;
}
