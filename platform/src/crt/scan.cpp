#include <cerrno>

#include <crtwide.h>

#include "wide_scanner.h"

int swscanf(const WCHAR* input, const WCHAR* format, ...)
{
    if (!input || !format) {
        errno = EINVAL;
        return EOF;
    }
    va_list args;
    va_start(args, format);
    int stored = platform::crt::WideScanner(input, args).Scan(format);
    va_end(args);
    return stored;
}
