#include "engine_device.h"

#include <objbase.h>

#include <device/sip.h>
#include <device/text_editor.h>

#include "recogniser_strokes.h"

namespace {


}  // namespace

void EngineDevice::SetUp()
{
    FreshDevice::SetUp();
    settings = std::make_unique<TranslitSettings>(TEXT("SOFTWARE\\Tarvex\\Lexovia"));
    callback = std::make_unique<TranslitCallback>(*settings, nullptr);
    callback->SetRealCallback(device::InputPanelCallback());
    device::ShowInputPanel();
    ASSERT_EQ(CoCreateInstance(device::kLetterRecogniserClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&recogniser)),
              S_OK);
    recogniser->RegisterCallback(callback.get());
    recogniser->Select(device::InputPanelWindow());
    recogniser->Showing();
    device::ClearCallbackLog();
    device::ClearEditor();
}

void EngineDevice::TearDown()
{
    if (recogniser) {
        recogniser->Deselect();
        recogniser->Release();
    }
    callback.reset();
    settings.reset();
    FreshDevice::TearDown();
}

void EngineDevice::Write(std::u16string_view strokes) { WriteStrokes(strokes); }

void EngineDevice::ForgetContext() { callback->SendVirtualKey(VK_RETURN, KEYEVENTF_KEYUP); }
