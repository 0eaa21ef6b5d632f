// Conversions between the driver's UTF-8 and the device's UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace device {

std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);

}  // namespace device
