// The platform's master header.
#pragma once

#include "crtwide.h"
#include "guiddef.h"
#include "wingdi.h"
#include "windef.h"
#include "winbase.h"
#include "winerror.h"
#include "winnls.h"
#include "winnt.h"
#include "winreg.h"
#include "winuser.h"
