// Automation's types that COM interfaces pass.
#pragma once

#include "windef.h"

typedef WCHAR* BSTR;
