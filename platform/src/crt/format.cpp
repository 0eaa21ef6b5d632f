// The formatting functions. Beyond the platform's own (which may leave a full
// buffer unterminated), they never write past COUNT code units, always
// terminate when COUNT > 0, and return -1 whenever the text did not fit with
// its terminator.
#include <cerrno>

#include <windows.h>

#include "formatter.h"

using platform::crt::FormatDialect;

namespace {

int FormatWide(WCHAR* buffer, size_t count, const WCHAR* format, va_list args, FormatDialect dialect)
{
    if (!format || (!buffer && count > 0)) {
        if (buffer && count > 0) buffer[0] = 0;
        errno = EINVAL;
        return -1;
    }
    if (count == 0) return -1;  // not even the terminator fits
    platform::crt::WideOutput output(buffer, count);
    bool complete = platform::crt::Formatter(output, dialect, args).Format(format);
    int length = output.Finish();
    return complete ? length : -1;
}

}  // namespace

int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args)
{
    return FormatWide(buffer, count, format, args, FormatDialect::Runtime);
}

int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = _vsnwprintf(buffer, count, format, args);
    va_end(args);
    return written;
}

int swprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = _vsnwprintf(buffer, count, format, args);
    va_end(args);
    return written;
}

int wvnsprintfW(LPWSTR buffer, int count, LPCWSTR format, va_list args)
{
    return FormatWide(buffer, count > 0 ? size_t(count) : 0, format, args, FormatDialect::WindowsUser);
}
