// The Pocket PC shell's services.
#pragma once

#include "sipapi.h"

WINBASEAPI BOOL WINAPI SHSipInfo(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
