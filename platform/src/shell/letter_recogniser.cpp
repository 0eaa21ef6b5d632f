#include "shell/letter_recogniser.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <device/screen.h>
#include <device/sip.h>

#include "comctl/image_list_table.h"
#include "shell/writing_area.h"

namespace {

const RECT kWritingArea = {0, device::kInputPanelBottom - 80, device::kScreenWidth, device::kInputPanelBottom};
const UINT kKeyDown = KeyStateDownFlag;
const UINT kKeyUp = KeyShiftNoCharacterFlag | KeyStatePrevDownFlag;
const COLORREF kTransparentGrey = 0xC0C0C0;

std::vector<platform::shell::LetterRecogniser*> live;
bool present = true;

// Two images, the pen up and the pen writing, on grey; the grey is transparent.
HIMAGELIST ButtonImages(int width)
{
    const int height = 16;
    platform::gdi::Bitmap strip(2 * width, height, 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 2 * width; ++x) strip.SetPixel(x, y, kTransparentGrey);
    for (int step = 2; step < height - 2; ++step) {
        strip.SetPixel(width / 2 - height / 2 + step, height - 1 - step, 0);
        strip.SetPixel(width + width / 2 - height / 2 + step, height - 1 - step, 0);
        strip.SetPixel(width + width / 2 - height / 2 + step, height - 1, 0);
    }
    auto list = std::make_unique<platform::comctl::ImageList>(width, height, kTransparentGrey, 1);
    list->AddStrip(strip);
    return platform::comctl::ImageLists().Add(std::move(list));
}

void SendCharacter(IIMCallback* callback, UINT flags, WCHAR character)
{
    UINT shift = flags;
    UINT code = character;
    callback->SendCharEvents(0, flags, 1, &shift, &code);
}

}  // namespace

const CLSID device::kLetterRecogniserClsid = {0x42429690, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

namespace platform::shell {

HRESULT CreateLetterRecogniser(IUnknown* outer, REFIID riid, void** ppv)
{
    if (!present) return REGDB_E_CLASSNOTREG;
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::CreateCountedObject<LetterRecogniser>(riid, ppv);
}

void SetLetterRecogniserPresent(bool isPresent) { present = isPresent; }

LetterRecogniser::LetterRecogniser()
    : PanelInputMethod(u"LetterRecognizer", WritingAreaProcedure, kWritingArea),
      narrowImages(ButtonImages(16)),
      wideImages(ButtonImages(32))
{
    live.push_back(this);
}

LetterRecogniser::~LetterRecogniser()
{
    std::erase(live, this);
    ImageList_Destroy(narrowImages);
    ImageList_Destroy(wideImages);
}

LetterRecogniser* LetterRecogniser::Shown()
{
    auto found = std::find_if(live.begin(), live.end(), [](const LetterRecogniser* recogniser) {
        return recogniser->IsShown() && IsWindowVisible(recogniser->Window());
    });
    return found == live.end() ? nullptr : *found;
}

int LetterRecogniser::Live() { return static_cast<int>(live.size()); }

void LetterRecogniser::Recognise(WCHAR character)
{
    if (!Callback()) return;
    SendCharacter(Callback(), kKeyDown, character);
    SendCharacter(Callback(), kKeyUp, character);
}

void LetterRecogniser::RecogniseBackspace()
{
    if (!Callback()) return;
    Callback()->SendVirtualKey(VK_BACK, 0);
    Callback()->SendVirtualKey(VK_BACK, KEYEVENTF_KEYUP);
}

IMINFO LetterRecogniser::Info() const
{
    IMINFO info = PanelInputMethod::Info();
    info.hImageNarrow = narrowImages;
    info.hImageWide = wideImages;
    return info;
}

}  // namespace platform::shell
