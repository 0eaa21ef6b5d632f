#include "input_method_refresh.h"

#include <aygshell.h>
#include <windows.h>

namespace {

// {42112D3E-CDA6-4AAB-931E-CE2104F07C21}
const CLSID kKeyboardClsid = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};
// {715587FD-C4DA-41DA-A504-0BE8D297D0AD}
const CLSID kRecognizerClsid = {0x715587FD, 0xC4DA, 0x41DA, {0xA5, 0x04, 0x0B, 0xE8, 0xD2, 0x97, 0xD0, 0xAD}};

// Each input method gets the time to settle in before the next switch.
const DWORD kSettleMilliseconds = 50;

void SelectInputMethod(const CLSID& clsid) { SHSipInfo(SPI_SETCURRENTIM, 0, const_cast<CLSID*>(&clsid), 0); }

}  // namespace

// A failed switch is not reported: every switch is tried, the restore above all.
void RefreshInputMethods()
{
    CLSID previous = {};
    SHSipInfo(SPI_GETCURRENTIM, 0, &previous, 0);
    SelectInputMethod(kKeyboardClsid);
    Sleep(kSettleMilliseconds);
    SelectInputMethod(kRecognizerClsid);
    Sleep(kSettleMilliseconds);
    SelectInputMethod(previous);
}
