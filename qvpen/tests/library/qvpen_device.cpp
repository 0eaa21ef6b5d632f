#include "qvpen_device.h"

#include <device/sip.h>
#include <device/text_editor.h>

#include "recogniser_strokes.h"
#include "registered_library.h"

const CLSID kQvpen = {0x715587FD, 0xC4DA, 0x41DA, {0xA5, 0x04, 0x0B, 0xE8, 0xD2, 0x97, 0xD0, 0xAD}};

namespace {

const WCHAR kLibraryPath[] = TEXT("\\Windows\\qvpen.dll");

}  // namespace

void InstallQvpen() { PlaceAndRegisterLibrary(QVPEN_LIBRARY, kLibraryPath); }

void QvpenDevice::SetUp()
{
    FreshDevice::SetUp();
    ASSERT_NO_FATAL_FAILURE(InstallQvpen());
    ASSERT_TRUE(device::SelectInputMethod(kQvpen));
    device::ShowInputPanel();
    device::ClearCallbackLog();
    device::ClearEditor();
}

void QvpenDevice::StoreSelectedTable(DWORD number)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("SOFTWARE\\Tarvex\\Lexovia"), 0, nullptr, 0, 0, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, TEXT("QVPenTranslitTable"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    RegCloseKey(key);
}

void QvpenDevice::Write(std::u16string_view strokes) { WriteStrokes(strokes); }
