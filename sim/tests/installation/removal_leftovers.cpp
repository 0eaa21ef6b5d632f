#include "removal_leftovers.h"

bool LegitimatelyLeft(const std::string& line)
{
    const char* const kLeft[] = {"HKCU\\Software\\Tarvex\\", "HKCU\\ControlPanel\\Sip\\DefaultIm",
                                 "HKLM\\nls\\TarvexLCID = dword:0x00000409"};
    for (const char* left : kLeft)
        if (line.find(left) != std::string::npos) return true;
    return false;
}
