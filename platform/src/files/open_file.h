// A file opened through CreateFileW: a host descriptor, the access and
// sharing it was opened with, and its own file pointer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <windef.h>

#include "kernel/kernel_object.h"

namespace platform::files {

class OpenFile : public kernel::KernelObject {
public:
    // Takes over the host descriptor FD of the entry KEY.
    OpenFile(int fd, std::string key, DWORD access, DWORD share);
    ~OpenFile() override;

    const std::string& Key() const { return key_; }
    DWORD Access() const { return access_; }
    DWORD Share() const { return share_; }

    // Each fails with the platform's error: ERROR_ACCESS_DENIED without the
    // access it needs, ERROR_NEGATIVE_SEEK before the start, ...
    bool Read(void* buffer, DWORD count, DWORD& done);
    bool Write(const void* buffer, DWORD count, DWORD& done);
    std::optional<uint64_t> Size() const;
    std::optional<uint64_t> Seek(int64_t distance, DWORD method);
    // Ends the file at the file pointer.
    bool Truncate();

private:
    std::optional<uint64_t> Origin(DWORD method) const;

    int fd_;
    std::string key_;
    DWORD access_;
    DWORD share_;
    uint64_t position_ = 0;  // never beyond the host's largest offset
};

}  // namespace platform::files
