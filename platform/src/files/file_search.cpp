#include "files/file_search.h"

#include "files/host_error.h"

namespace platform::files {

FileSearch::FileSearch(std::vector<WIN32_FIND_DATAW> remaining) : remaining_(std::move(remaining)) {}

bool FileSearch::Next(WIN32_FIND_DATAW& data)
{
    if (next_ >= remaining_.size()) return Fail(ERROR_NO_MORE_FILES);
    data = remaining_[next_++];
    return true;
}

}  // namespace platform::files
