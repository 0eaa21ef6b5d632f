// The platform's letter recogniser as an input method of its own: what it
// reports for written characters and its Backspace, and when it refuses.
#include <objbase.h>
#include <commctrl.h>
#include <sipapi.h>

#include <device/recogniser.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include "callback_sequence.h"
#include "fresh_device.h"

namespace {


using LetterRecogniserTest = FreshDevice;

TEST_F(LetterRecogniserTest, ReportsEachCharacterAsKeyDownAndUpAndItsBackspaceAsAVirtualKey)
{
    ASSERT_TRUE(device::SelectInputMethod(device::kLetterRecogniserClsid));
    device::ShowInputPanel();
    device::ClearCallbackLog();
    ASSERT_TRUE(device::WriteCharacters(u"aé")) << device::RecogniserFailure();
    ASSERT_TRUE(device::WriteBackspace());
    const ExpectedCallback expected[] = {
        {"SendCharEvents(0x00, 0x80, 1, \"a\")"},
        {"SendCharEvents(0x00, 0x10040, 1, \"a\")"},
        {"SendCharEvents(0x00, 0x80, 1, \"é\")"},
        {"SendCharEvents(0x00, 0x10040, 1, \"é\")"},
        {"SendVirtualKey(0x08, 0x0)"},
        {"SendVirtualKey(0x08, 0x2)"},
    };
    EXPECT_TRUE(CallbackLogMatches("written characters and a Backspace", expected));
    EXPECT_EQ(device::EditorText(), u"a");
    EXPECT_EQ(device::InputPanelRect().top, 214);
}

TEST_F(LetterRecogniserTest, OnlyAShownWritingAreaCanBeWrittenTo)
{
    EXPECT_FALSE(device::WriteCharacters(u"a")) << "no recogniser exists";
    EXPECT_FALSE(device::RecogniserFailure().empty());
    ASSERT_TRUE(device::SelectInputMethod(device::kLetterRecogniserClsid));
    EXPECT_FALSE(device::WriteBackspace()) << "the panel is hidden";
    device::ShowInputPanel();
    EXPECT_TRUE(device::WriteCharacters(u"a"));
    EXPECT_EQ(device::RecogniserFailure(), "");
    device::HideInputPanel();
    EXPECT_FALSE(device::WriteCharacters(u"b"));
    EXPECT_EQ(device::EditorText(), u"a");
}

TEST_F(LetterRecogniserTest, ReportsItsOwnButtonImagesAndGoesWithItsLastReference)
{
    IInputMethod* recogniser = nullptr;
    ASSERT_EQ(CoCreateInstance(device::kLetterRecogniserClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&recogniser)),
              S_OK);
    IMINFO info = {};
    EXPECT_EQ(recogniser->GetInfo(&info), S_OK);
    EXPECT_EQ(ImageList_GetImageCount(static_cast<HIMAGELIST>(info.hImageNarrow)), 2);
    EXPECT_EQ(ImageList_GetImageCount(static_cast<HIMAGELIST>(info.hImageWide)), 2);
    EXPECT_EQ(device::LiveLetterRecognisers(), 1);
    recogniser->AddRef();
    EXPECT_EQ(recogniser->Release(), 1u);
    EXPECT_EQ(recogniser->Release(), 0u);
    EXPECT_EQ(device::LiveLetterRecognisers(), 0);
}

TEST_F(LetterRecogniserTest, ADeviceWithoutItAnswersClassNotRegisteredUntilItCloses)
{
    device::RemoveLetterRecogniser();
    IInputMethod* recogniser = nullptr;
    EXPECT_EQ(CoCreateInstance(device::kLetterRecogniserClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&recogniser)),
              REGDB_E_CLASSNOTREG);
    ASSERT_TRUE(device::CreateFresh());
    EXPECT_TRUE(device::SelectInputMethod(device::kLetterRecogniserClsid)) << "a fresh device has it again";
}

}  // namespace
