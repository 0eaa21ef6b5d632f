#include "qvpen_registration.h"

#include "input_method_class.h"
#include "library_state.h"
#include "qvpen_identity.h"

void RegisterQvpen() { RegisterInputMethodClass(kQvpenClsidKey, kQvpenName, kQvpenDescription, LibraryInstance()); }

void UnregisterQvpen() { UnregisterInputMethodClass(kQvpenClsid, kQvpenClsidKey); }
