#pragma once

namespace platform::kernel {

void ResetMessageBoxes();

}  // namespace platform::kernel
