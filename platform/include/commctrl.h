// Common controls: image lists.
#pragma once

#include "windows.h"

DECLARE_HANDLE(HIMAGELIST);

#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define LR_DEFAULTCOLOR 0x0000

WINBASEAPI HIMAGELIST WINAPI ImageList_LoadImageW(HINSTANCE hi, LPCWSTR lpbmp, int cx, int cGrow, COLORREF crMask,
                                                   UINT uType, UINT uFlags);
#define ImageList_LoadImage ImageList_LoadImageW
WINBASEAPI BOOL WINAPI ImageList_Destroy(HIMAGELIST himl);
WINBASEAPI int WINAPI ImageList_GetImageCount(HIMAGELIST himl);
WINBASEAPI BOOL WINAPI ImageList_GetImageSize(HIMAGELIST himl, int* cx, int* cy);
