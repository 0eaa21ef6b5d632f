#include "factory_image.h"

#include <device/device.h>

Parsed<DeviceSnapshot> MakeFactoryImage(const std::string& folder)
{
    if (!device::CreateImage(folder))
        return Parsed<DeviceSnapshot>::Failure("no device image could be made in " + folder);
    Parsed<DeviceSnapshot> factory = TakeDeviceSnapshot();
    device::Close();
    return factory;
}
