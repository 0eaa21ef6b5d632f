#include "gdi/device_context.h"

#include <memory>

#include "gdi/gdi_object_table.h"

namespace platform::gdi {

HDC OpenDeviceContext(HWND window)
{
    return static_cast<HDC>(GdiObjects().Add(std::make_unique<DeviceContext>(window)));
}

bool CloseDeviceContext(HDC hdc, HWND window)
{
    const DeviceContext* context = FindObjectOf<DeviceContext>(hdc);
    return context && context->Window() == window && GdiObjects().Remove(hdc);
}

}  // namespace platform::gdi
