#include "com/com_runtime.h"

#include "com/apartment.h"
#include "com/builtin_classes.h"
#include "com/server_libraries.h"

namespace platform::com {

void CloseCom()
{
    FreeServerLibraries();
    ForgetAddedClasses();
    ResetApartment();
}

}  // namespace platform::com
