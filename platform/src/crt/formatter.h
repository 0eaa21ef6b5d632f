// The engine behind the platform's wide formatting functions.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string_view>

#include "conversion.h"
#include "wide_output.h"

namespace platform::crt {

enum class FormatDialect {
    Runtime,  // the C runtime's printf family
    // The window system's wsprintf family: it knows no '+', ' ' or '*', and a
    // precision of 0 on a number means 1.
    WindowsUser,
};

// Writes the text of a format and its arguments to an output.
class Formatter {
public:
    Formatter(WideOutput& output, FormatDialect dialect, va_list args);
    ~Formatter();
    Formatter(const Formatter&) = delete;
    Formatter& operator=(const Formatter&) = delete;

    // False when the format asks for a conversion this runtime does not have
    // (reported as a device fault); the text up to it is in the output.
    bool Format(const WCHAR* format);

private:
    // Reads a conversion's flags, width, precision and size from just past
    // its '%'; returns where its type character is.
    const WCHAR* ParseSpec(const WCHAR* cursor, Conversion& spec);
    const WCHAR* ParseFlags(const WCHAR* cursor, Conversion& spec);
    const WCHAR* ParseCount(const WCHAR* cursor, int& count);
    bool Convert(const Conversion& spec);

    void PutSigned(const Conversion& spec);
    void PutUnsigned(const Conversion& spec, unsigned base);
    void PutNumber(const Conversion& spec, uint32_t magnitude, std::u16string_view prefix, unsigned base);
    void PutCharacter(const Conversion& spec, bool narrow);
    void PutString(const Conversion& spec, bool narrow);
    template <typename View>
    void PutText(const Conversion& spec, View text);

    // Writes a field of LENGTH code units that BODY puts, padded to the width.
    template <typename Body>
    void PutPadded(const Conversion& spec, WCHAR pad, size_t length, Body body);

    WideOutput& output_;
    FormatDialect dialect_;
    va_list args_;
};

}  // namespace platform::crt
