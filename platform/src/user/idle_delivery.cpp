#include "user/idle_delivery.h"

#include <vector>

#include <device/paint.h>

#include "kernel/virtual_clock.h"
#include "user/dispatch.h"
#include "user/update_rect.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace platform::user {

namespace {

void (*idleWatcher)() = nullptr;

// A handler may destroy or create windows: each list is copied, and every
// window is looked up again before it is painted.
void PaintEach(const std::vector<HWND>& handles)
{
    for (HWND handle : handles)
        if (std::shared_ptr<Window> window = Windows().Find(handle)) PaintTree(window);
}

}  // namespace

void PaintTree(const std::shared_ptr<Window>& window)
{
    if (!IsShownWithAncestors(*window)) return;
    if (!IsEmptyRect(window->update) && !Notify(window->handle, WM_PAINT, 0, 0)) return;
    PaintEach(std::vector<HWND>(window->children));
}

void PaintAll()
{
    if (idleWatcher) idleWatcher();
    PaintEach(std::vector<HWND>(Windows().TopLevel()));
}

void SetIdleWatcher(void (*watcher)()) { idleWatcher = watcher; }

void RunTimersUntil(uint64_t until)
{
    uint64_t due = 0;
    while (std::optional<DueTimer> timer = Timers().TakeNextDue(until, due)) {
        kernel::MoveClockTo(due);
        Notify(timer->window, WM_TIMER, timer->id, 0);
        PaintAll();
    }
    kernel::MoveClockTo(until);
    PaintAll();
}

}  // namespace platform::user

void device::DeliverPaints() { platform::user::PaintAll(); }
