#include "library/library_path.h"

namespace platform::library {

std::u16string LibraryDevicePath(std::u16string name)
{
    size_t lastSlash = name.rfind(u'\\');
    size_t leafStart = lastSlash == std::u16string::npos ? 0 : lastSlash + 1;
    if (name.find(u'.', leafStart) == std::u16string::npos) name += u".dll";
    if (lastSlash == std::u16string::npos) return u"\\Windows\\" + name;
    return name;
}

}  // namespace platform::library
