// What the browser view's page shows of the device beside its screen: taken on
// the device's thread between the user's actions, as one JSON object.
#pragma once

#include <nlohmann/json.hpp>

#include "command_table.h"

// The newest calls on the input panel the page lists; the rest stay on the
// device for "events print".
constexpr size_t kEventLinesShown = 40;

// {"screen": PNG as a data: address, "text", "events", "inputMethod",
//  "panelShown", "clock", "waiting": null or the message box or dialog
//  waiting for an answer, with the buttons that answer it}.
nlohmann::json LookAtDevice(const CommandTable& commands);

// JSON as the server sends it; text the device held that is not sound UTF-8
// shows as U+FFFD instead of failing.
std::string JsonText(const nlohmann::json& value);
