// The device's boot as scripts read it: the steps printed one a line, and
// the step that started a program named as a script names it.
#pragma once

#include <string>
#include <vector>

#include <device/boot.h>

std::string BootStepLines(const std::vector<device::BootStep>& steps);

// The first step whose program is NAME, written as its Launch value gives it
// or as its file name alone, without regard to case; null when none is.
const device::BootStep* FindBootStep(const std::vector<device::BootStep>& steps, const std::string& name);

bool WasStarted(const device::BootStep& step);
