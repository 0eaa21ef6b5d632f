#include <wingdi.h>

namespace {

// Stock objects are fixed handles that live as long as the process. They are
// numbered apart from pointers and from other handles, so that a mix-up shows.
const ULONG_PTR kStockHandleBase = 0x5700;

bool IsStockObject(int index) { return (index >= WHITE_BRUSH && index <= NULL_PEN) || index == SYSTEM_FONT; }

}  // namespace

HGDIOBJ WINAPI GetStockObject(int fnObject)
{
    if (!IsStockObject(fnObject)) return nullptr;
    return reinterpret_cast<HGDIOBJ>(kStockHandleBase + static_cast<ULONG_PTR>(fnObject));
}
