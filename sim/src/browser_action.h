// What the browser view's page asks the device to do, as the script lines
// that do it: the page never sends script text, so nothing it sends can reach
// the host's files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parsed.h"

struct BrowserAction {
    std::vector<std::string> lines;
    bool answersMessageBox = false;  // the one action a waiting message box lets through
};

// Pauses between the page's pen events pass on the device's clock, up to
// this: long enough for any double tap or key repeat to tell.
constexpr int kLongestPenPause = 5000;

// BODY is a JSON object such as {"action": "pen", "phase": "down", "x": 10,
// "y": 200, "waited": 120}; the error says what is wrong with it.
Parsed<BrowserAction> ReadBrowserAction(std::string_view body);

// The actions and their fields, for the page's error messages and the README.
std::string BrowserActionNames();
