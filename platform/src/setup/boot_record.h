// The device keeps the steps of its last boot until it closes.
#pragma once

namespace platform::setup {

void ForgetLastBoot();

}  // namespace platform::setup
