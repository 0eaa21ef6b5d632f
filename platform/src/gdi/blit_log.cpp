#include "gdi/blit_log.h"

#include <device/bounded_log.h>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"

namespace {

device::BoundedLog<device::BlitCall> blits;

device::BlitCall::Target TargetOf(const platform::gdi::DeviceContext* context)
{
    using platform::gdi::ContextKind;
    using Target = device::BlitCall::Target;
    if (!context) return Target::None;
    switch (context->Kind()) {
    case ContextKind::Memory: return Target::Memory;
    case ContextKind::Window: return Target::Window;
    case ContextKind::Paint: return Target::Paint;
    }
    return Target::None;
}

}  // namespace

namespace platform::gdi {

void RecordBlit(device::BlitCall::Function function, HDC dest, int x, int y, int width, int height, DWORD rop,
                BOOL result)
{
    const DeviceContext* context = FindObjectOf<DeviceContext>(dest);
    blits.Add({function, TargetOf(context), context ? context->Window() : nullptr, x, y, width, height, rop,
                     result});
}

}  // namespace platform::gdi

namespace device {

const std::vector<BlitCall>& BlitLog() { return blits.Entries(); }

size_t BlitLogDropped() { return blits.Dropped(); }

void ClearBlitLog() { blits.Clear(); }

}  // namespace device
