#include "gdi/font.h"

#include <device/faults.h>

#include "gdi/font_files.h"

namespace platform::gdi {

TypeFace* Font::Face() const
{
    if (!opened_) {
        opened_ = true;
        std::string error;
        FontFiles files = FontFilesFor(description_);
        face_ = TypeFace::Open(files.face, files.fallback, description_, error);
        if (!face_) device::ReportFault(error + " (Debian's package " + FontPackageOf(files.face) + " or " +
                                         FontPackageOf(files.fallback) + " is missing)");
    }
    return face_.get();
}

}  // namespace platform::gdi
