// The engine behind swscanf.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include <windef.h>

namespace platform::crt {

// Reads a wide text against a format, storing what the conversions read
// through the pointer arguments: %X and %x (unsigned int*), %d (int*) and %c
// (WCHAR*), each with an optional width.
class WideScanner {
public:
    WideScanner(const WCHAR* input, va_list args);
    ~WideScanner();
    WideScanner(const WideScanner&) = delete;
    WideScanner& operator=(const WideScanner&) = delete;

    // The number of items stored, or EOF when the input ended before the
    // first conversion could complete.
    int Scan(const WCHAR* format);

private:
    enum class Step {
        Done,
        Mismatch,    // the input does not fit the format: stop
        EndOfInput,  // the input ended before the directive was met: stop
        Unsupported,
    };

    Step Convert(WCHAR type, size_t width);
    Step MatchLiteral(WCHAR c);
    Step ReadInteger(unsigned base, size_t width, uint32_t& value);
    Step ReadCharacters(size_t count);
    void SkipSpace();

    const WCHAR* input_;
    va_list args_;
    int stored_ = 0;
};

}  // namespace platform::crt
