// The soft-input-panel interfaces between the SIP manager and input methods.
#pragma once

#include <unknwn.h>
#include <windows.h>

#define SIPF_OFF 0x00000000
#define SIPF_ON 0x00000001
#define SIPF_DOCKED 0x00000002
#define SIPF_LOCKED 0x00000004

#define SPI_SETSIPINFO 224
#define SPI_GETSIPINFO 225
#define SPI_SETCURRENTIM 226
#define SPI_GETCURRENTIM 227

// Key-state flags of IIMCallback::SendCharEvents.
#define KeyStateDownFlag 0x00000080
#define KeyStatePrevDownFlag 0x00000040
#define KeyShiftNoCharacterFlag 0x00010000
#define KeyShiftDeadFlag 0x00020000
#define KeyShiftCapitalFlag 0x08000000
#define KeyShiftAnyAltFlag 0x10000000
#define KeyShiftAnyShiftFlag 0x20000000
#define KeyShiftAnyCtrlFlag 0x40000000

typedef struct {
    DWORD cbSize;
    HANDLE hImageNarrow;
    HANDLE hImageWide;
    int iNarrow;
    int iWide;
    DWORD fdwFlags;
    RECT rcSipRect;
} IMINFO, *LPIMINFO;

// The product writes the device's size into cbSize.
static_assert(sizeof(void*) != 4 || sizeof(IMINFO) == 40, "IMINFO is 40 bytes on the 32-bit device");

typedef struct {
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
} SIPINFO, *LPSIPINFO;

extern "C" const IID IID_IInputMethod;
extern "C" const IID IID_IInputMethodEx;
extern "C" const IID IID_IIMCallback;
extern "C" const IID IID_IIMCallbackEx;

struct IIMCallback : public IUnknown {
    STDMETHOD(SetImInfo)(IMINFO* pimi) PURE;
    STDMETHOD(SendVirtualKey)(BYTE bVK, DWORD dwFlags) PURE;
    STDMETHOD(SendCharEvents)(UINT uVK, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars) PURE;
    STDMETHOD(SendString)(BSTR ptszStr, DWORD dwChars) PURE;
};

struct IIMCallbackEx : public IIMCallback {
    STDMETHOD(SendAlternatives2)(void* plmd) PURE;
};

struct IInputMethod : public IUnknown {
    STDMETHOD(Select)(HWND hwndSip) PURE;
    STDMETHOD(Deselect)() PURE;
    STDMETHOD(Showing)() PURE;
    STDMETHOD(Hiding)() PURE;
    STDMETHOD(GetInfo)(IMINFO* pimi) PURE;
    STDMETHOD(ReceiveSipInfo)(SIPINFO* psi) PURE;
    STDMETHOD(RegisterCallback)(IIMCallback* lpIMCallback) PURE;
    STDMETHOD(GetImData)(DWORD dwSize, LPVOID pvImData) PURE;
    STDMETHOD(SetImData)(DWORD dwSize, LPVOID pvImData) PURE;
    STDMETHOD(UserOptionsDlg)(HWND hwndParent) PURE;
};

struct IInputMethodEx : public IInputMethod {
    STDMETHOD(SetIMMActiveContext)(HWND hwnd, BOOL bOpen, DWORD dwConversion, DWORD dwSentence, DWORD hkl) PURE;
    STDMETHOD(RegisterCallbackEx)(IIMCallbackEx* lpIMCallback) PURE;
};
