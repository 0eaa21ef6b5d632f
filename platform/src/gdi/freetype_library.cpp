#include "gdi/freetype_library.h"

namespace platform::gdi {

namespace {

class Library {
public:
    Library()
    {
        if (FT_Init_FreeType(&library_)) library_ = nullptr;
    }
    ~Library()
    {
        if (library_) FT_Done_FreeType(library_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    FT_Library Get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

}  // namespace

FT_Library FreeType()
{
    static Library library;
    return library.Get();
}

}  // namespace platform::gdi
