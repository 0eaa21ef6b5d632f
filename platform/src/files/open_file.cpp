#include "files/open_file.h"

#include <cerrno>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

#include <winbase.h>

#include "files/host_error.h"

namespace platform::files {
namespace {

// The host's offsets are signed; nothing beyond them can be reached.
constexpr uint64_t kLargestOffset = std::numeric_limits<off_t>::max();

}  // namespace

OpenFile::OpenFile(int fd, std::string key, DWORD access, DWORD share)
    : fd_(fd), key_(std::move(key)), access_(access), share_(share)
{
}

OpenFile::~OpenFile() { close(fd_); }

bool OpenFile::Read(void* buffer, DWORD count, DWORD& done)
{
    done = 0;
    if (!(access_ & GENERIC_READ)) return Fail(ERROR_ACCESS_DENIED);
    while (done < count) {
        ssize_t got = pread(fd_, static_cast<char*>(buffer) + done, count - done, static_cast<off_t>(position_));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FailFromHost(errno);
        if (got == 0) break;
        done += static_cast<DWORD>(got);
        position_ += static_cast<uint64_t>(got);
    }
    return true;
}

bool OpenFile::Write(const void* buffer, DWORD count, DWORD& done)
{
    done = 0;
    if (!(access_ & GENERIC_WRITE)) return Fail(ERROR_ACCESS_DENIED);
    if (count > 0 && position_ > kLargestOffset - count) return Fail(ERROR_DISK_FULL);
    while (done < count) {
        ssize_t put = pwrite(fd_, static_cast<const char*>(buffer) + done, count - done, static_cast<off_t>(position_));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return FailFromHost(errno);
        done += static_cast<DWORD>(put);
        position_ += static_cast<uint64_t>(put);
    }
    return true;
}

std::optional<uint64_t> OpenFile::Size() const
{
    struct stat info {};
    if (fstat(fd_, &info) != 0) return RefuseFromHost(errno);
    return static_cast<uint64_t>(info.st_size);
}

std::optional<uint64_t> OpenFile::Origin(DWORD method) const
{
    switch (method) {
    case FILE_BEGIN: return 0;
    case FILE_CURRENT: return position_;
    case FILE_END: return Size();
    default: return Refuse(ERROR_INVALID_PARAMETER);
    }
}

std::optional<uint64_t> OpenFile::Seek(int64_t distance, DWORD method)
{
    std::optional<uint64_t> origin = Origin(method);
    if (!origin) return std::nullopt;
    uint64_t magnitude = distance < 0 ? 0 - static_cast<uint64_t>(distance) : static_cast<uint64_t>(distance);
    if (distance < 0 && magnitude > *origin) return Refuse(ERROR_NEGATIVE_SEEK);
    if (distance >= 0 && magnitude > kLargestOffset - *origin) return Refuse(ERROR_INVALID_PARAMETER);
    position_ = distance < 0 ? *origin - magnitude : *origin + magnitude;
    return position_;
}

bool OpenFile::Truncate()
{
    if (!(access_ & GENERIC_WRITE)) return Fail(ERROR_ACCESS_DENIED);
    return ftruncate(fd_, static_cast<off_t>(position_)) == 0 || FailFromHost(errno);
}

}  // namespace platform::files
