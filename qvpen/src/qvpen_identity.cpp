#include "qvpen_identity.h"

const CLSID kQvpenClsid = {0x715587FD, 0xC4DA, 0x41DA, {0xA5, 0x04, 0x0B, 0xE8, 0xD2, 0x97, 0xD0, 0xAD}};
const WCHAR kQvpenClsidKey[] = TEXT("{715587FD-C4DA-41da-A504-0BE8D297D0AD}");
const WCHAR kQvpenName[] = TEXT("QVPen Letter Recognizer");
const WCHAR kQvpenDescription[] = TEXT("Tarvex Lexovia - QVPen Letter Recognizer.");
