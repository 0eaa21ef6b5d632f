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

// The device's own declarations, shared with the build for the real target.
#include <windows_ce.h>
