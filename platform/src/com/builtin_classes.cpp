#include "com/builtin_classes.h"

#include <vector>

#include <device/sip.h>

#include "shell/letter_recogniser.h"
#include "shell/platform_keyboard.h"

namespace {

struct BuiltinClass {
    CLSID clsid;
    device::ClassCreator create;
};

const BuiltinClass kPlatformClasses[] = {
    {device::kPlatformKeyboardClsid, platform::shell::CreatePlatformKeyboard},
    {device::kLetterRecogniserClsid, platform::shell::CreateLetterRecogniser},
};

std::vector<BuiltinClass> addedClasses;

}  // namespace

namespace platform::com {

device::ClassCreator FindBuiltinClass(REFCLSID clsid)
{
    for (const BuiltinClass& entry : kPlatformClasses)
        if (entry.clsid == clsid) return entry.create;
    for (const BuiltinClass& entry : addedClasses)
        if (entry.clsid == clsid) return entry.create;
    return nullptr;
}

void ForgetAddedClasses() { addedClasses.clear(); }

}  // namespace platform::com

namespace device {

void AddBuiltinClass(const CLSID& clsid, ClassCreator creator) { addedClasses.push_back({clsid, creator}); }

}  // namespace device
