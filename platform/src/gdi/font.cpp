#include "gdi/font.h"

#include <device/faults.h>

#include "gdi/font_files.h"

namespace platform::gdi {

TypeFace* Font::Face() const
{
    if (!opened_) {
        opened_ = true;
        std::string error;
        face_ = TypeFace::Open(FontFileFor(description_), description_, error);
        if (!face_) device::ReportFault(error);
    }
    return face_.get();
}

}  // namespace platform::gdi
