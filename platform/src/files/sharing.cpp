#include "files/sharing.h"

#include <winbase.h>

#include "files/host_error.h"
#include "files/host_tree.h"
#include "files/open_file.h"
#include "kernel/handle_table.h"

namespace platform::files {
namespace {

// Whether a handle opened for ACCESS is allowed by another's SHARE. A handle
// with neither reading nor writing takes no part in sharing at all.
bool Permits(DWORD share, DWORD access)
{
    return (!(access & GENERIC_READ) || (share & FILE_SHARE_READ)) &&
           (!(access & GENERIC_WRITE) || (share & FILE_SHARE_WRITE));
}

}  // namespace

bool SharingAllows(const std::string& key, DWORD access, DWORD share)
{
    if (!access) return true;
    for (const OpenFile* open : kernel::Handles().All<OpenFile>()) {
        bool takesPart = open->Key() == key && open->Access();
        if (takesPart && (!Permits(open->Share(), access) || !Permits(share, open->Access())))
            return Fail(ERROR_SHARING_VIOLATION);
    }
    return true;
}

bool NothingOpenAt(const std::string& key)
{
    for (const OpenFile* open : kernel::Handles().All<OpenFile>())
        if (IsAtOrBeneath(open->Key(), key)) return Fail(ERROR_SHARING_VIOLATION);
    return true;
}

}  // namespace platform::files
