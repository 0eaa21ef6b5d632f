// The resources a built library or program carries: the bytes of its
// compiled resource file, exported as lexovia_resources and
// lexovia_resources_size (cmake/Resources.cmake).
#pragma once

#include <span>

#include <windef.h>

namespace platform::library {

// Empty when CODE carries none.
std::span<const BYTE> EmbeddedResources(void* code);

}  // namespace platform::library
