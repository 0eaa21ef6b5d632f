// The calling thread's COM initialisation count.
#pragma once

namespace platform::com {

void ResetApartment();

}  // namespace platform::com
