// Anything the module object can show in its input-panel window. The module
// and the window procedure reach a panel only through these operations.
#pragma once

#include <windows.h>

class SipPanel {
public:
    virtual void Init() {}
    virtual ~SipPanel() = default;
    virtual void Paint(HDC dc, PAINTSTRUCT* paint) = 0;
    virtual void DropImageCache() = 0;
    virtual void OnPenDown(int x, int y) = 0;
    virtual void OnPenUp(int x, int y) = 0;
    virtual void OnDoubleTap(int x, int y) = 0;
    virtual void OnPenMove(int x, int y) = 0;
    virtual void OnTimer(UINT timerId) = 0;
    virtual int Width() = 0;
    virtual int Height() = 0;
    virtual void OnSelect() {}
    virtual void OnDeselect() {}
    virtual void OnShowing() {}
    virtual void OnHiding() {}
};
