#include "gdi/freetype_library.h"

namespace platform::gdi {

namespace {

class Library {
public:
    Library()
    {
        if (FT_Init_FreeType(&library_)) library_ = nullptr;
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    FT_Library Get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

}  // namespace

// Never destroyed: faces of stock fonts are closed by exit handlers that may
// run after this one's would.
FT_Library FreeType()
{
    static Library* library = new Library;
    return library->Get();
}

}  // namespace platform::gdi
