// The soft-keyboard engine: turns pen events on a panel of keys into key
// events for the host, keeps the latched modifiers and a pending dead key,
// recognises swipes and repeats held keys; and draws the panel, observing
// that state (keyboard_panel_drawing.cpp). Subclasses supply the layout.
#pragma once

#include <sip_panel.h>

#include "image_cache.h"
#include "key_def.h"

class KeyboardPanel : public SipPanel {
public:
    KeyboardPanel();
    KeyboardPanel(const KeyboardPanel&) = delete;
    KeyboardPanel& operator=(const KeyboardPanel&) = delete;

    void Init() override;
    ~KeyboardPanel() override;
    void Paint(HDC dc, PAINTSTRUCT* paint) override;
    void DropImageCache() override;
    void OnPenDown(int x, int y) override;
    void OnPenUp(int x, int y) override;
    void OnDoubleTap(int x, int y) override;
    void OnPenMove(int x, int y) override;
    void OnTimer(UINT timerId) override;
    int Width() override;
    int Height() override;
    void OnSelect() override;
    void OnDeselect() override;
    void OnShowing() override;
    void OnHiding() override;

    virtual HBITMAP RenderImage(HDC dc, bool shift, bool alt, bool caps, bool ctrl);
    virtual bool SameKey(int a, int b);
    virtual void CreateKeyFont();
    virtual int KeyCount() = 0;
    virtual void KeyRect(RECT* rect, int key) = 0;
    // The first key whose rectangle holds the point, or -1.
    virtual int KeyAt(int x, int y);
    virtual void SwipeRight();
    virtual void SwipeLeft();
    virtual void SwipeDown();
    virtual void DrawKey(HDC dc, int key, bool shift, bool alt, bool caps, bool ctrl, bool live, bool pressed,
                         bool active);
    virtual LPCWSTR PanelLabel() = 0;
    // Copies the key's label into TEXT (kLabelSize characters) and replaces
    // its first character by the pending dead key's composition; true when
    // it composed.
    virtual bool ComposeLabel(int key, bool shift, bool alt, bool caps, WCHAR* text);
    virtual BYTE KeyVirtualCode(int key) = 0;
    virtual bool IsCapsKey(int key) = 0;
    virtual bool IsShiftKey(int key) = 0;
    virtual bool IsAltKey(int key) = 0;
    virtual bool IsCtrlKey(int key) = 0;
    // The bitmap resource that draws a command key's face, 0 for none.
    virtual UINT CommandBitmap(int key, bool shift, bool alt, bool caps, bool ctrl) = 0;
    virtual UINT LabelBitmap(LPCWSTR text);
    // The key the current press stands on, allowing for the pen sliding off.
    virtual int PressedKey();
    virtual void StrokeKey(int key, bool swipedUp);
    virtual void FinishStroke();
    virtual const KeyDef* GetKeyDef(int key, bool shift, bool alt, bool caps) = 0;

    static constexpr int kLabelSize = 10;

protected:
    bool CapsOn() const { return caps; }
    bool ShiftOn() const { return shift; }

private:
    static constexpr UINT kFirstRepeatTimer = 1;
    static constexpr UINT kNextRepeatTimer = 2;

    void ReleaseLatched(bool all);
    void ClearDead();
    void SendChar(WCHAR ch, bool withShift, bool withAlt, bool withCaps, bool withCtrl);
    void SendText(LPCWSTR text, bool withShift, bool withAlt, bool withCaps, bool withCtrl);
    void SendCtrlCombination(int key);
    void SendCommand(DWORD code);
    void FinishCommand();
    void ToggleModifier(bool& flag, bool& lock, BYTE virtualKey);
    void ResetPress();
    void StopRepeat();
    void AbandonPress();

    // Drawing: reads the engine's state, never changes it.
    void CopyCachedImage(HDC dc, HDC frame);
    void DrawLiveKeys(HDC frame);
    bool IsActive(int key);
    bool PreviewsDeadKey(const KeyDef& def) const;
    bool ShowsPendingAccent(int key, bool withCtrl);
    void FillKey(HDC dc, int key, const RECT& rect, const KeyDef& def, bool withCtrl);
    void DrawKeyFace(HDC dc, int key, const RECT& rect, const KeyDef& def, bool withShift, bool withAlt,
                     bool withCaps, bool withCtrl, bool live, DWORD rop);
    void DrawLabel(HDC dc, const RECT& rect, LPCWSTR text, DWORD rop);

    HFONT keyFont;
    POINT downPoint;
    POINT curPoint;
    POINT refPoint;
    WCHAR pendingDead;
    LPCWSTR deadBase;
    LPCWSTR deadComposed;
    ImageCache imageCache;
    bool caps;
    bool shift;
    bool alt;
    bool ctrl;
    bool shiftLock;
    bool altLock;
    bool ctrlLock;
    bool swallowNextUp;
    bool repeatFired;
    int lastKey;
    KeyDef lastDef;
};
