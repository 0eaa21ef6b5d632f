// The face text is drawn with in a device context.
#pragma once

#include "gdi/device_context.h"
#include "gdi/type_face.h"

namespace platform::gdi {

// The face of the font selected into CONTEXT; null, with the platform's
// error set, when its file cannot be read.
TypeFace* SelectedFace(const DeviceContext& context);

}  // namespace platform::gdi
