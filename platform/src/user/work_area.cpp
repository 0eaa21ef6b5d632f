#include "user/work_area.h"

#include <device/screen.h>

namespace platform::user {

RECT WorkArea() { return {0, device::kNavigationBarHeight, device::kScreenWidth, device::kInputPanelBottom}; }

}  // namespace platform::user
