// A listing begun by FindFirstFileW. The matches are taken when the search
// begins, so a caller may delete or rename what it finds as it goes.
#pragma once

#include <vector>

#include <winbase.h>

#include "kernel/kernel_object.h"

namespace platform::files {

class FileSearch : public kernel::KernelObject {
public:
    explicit FileSearch(std::vector<WIN32_FIND_DATAW> remaining);

    // Only FindClose ends a search.
    bool ClosesWithCloseHandle() const override { return false; }

    // The next match, or ERROR_NO_MORE_FILES.
    bool Next(WIN32_FIND_DATAW& data);

private:
    std::vector<WIN32_FIND_DATAW> remaining_;
    size_t next_ = 0;
};

}  // namespace platform::files
