#include "platform_errors.h"

#include <cstdio>

#include <winerror.h>

namespace {

struct NamedError {
    DWORD code;
    const char* name;
};

#define NAMED(code) {code, #code}
const NamedError kNames[] = {
    NAMED(ERROR_SUCCESS),          NAMED(ERROR_FILE_NOT_FOUND),    NAMED(ERROR_PATH_NOT_FOUND),
    NAMED(ERROR_ACCESS_DENIED),    NAMED(ERROR_INVALID_HANDLE),    NAMED(ERROR_NOT_ENOUGH_MEMORY),
    NAMED(ERROR_SHARING_VIOLATION), NAMED(ERROR_NOT_SUPPORTED),    NAMED(ERROR_FILE_EXISTS),
    NAMED(ERROR_INVALID_PARAMETER), NAMED(ERROR_DISK_FULL),        NAMED(ERROR_INVALID_NAME),
    NAMED(ERROR_DIR_NOT_EMPTY),    NAMED(ERROR_BAD_PATHNAME),      NAMED(ERROR_ALREADY_EXISTS),
    NAMED(ERROR_FILENAME_EXCED_RANGE), NAMED(ERROR_MORE_DATA),     NAMED(ERROR_NO_MORE_ITEMS),
    NAMED(ERROR_DIRECTORY),        NAMED(ERROR_BADDB),             NAMED(ERROR_BADKEY),
    NAMED(ERROR_CANTOPEN),         NAMED(ERROR_CANTREAD),          NAMED(ERROR_CANTWRITE),
    NAMED(ERROR_KEY_DELETED),      NAMED(ERROR_MOD_NOT_FOUND),     NAMED(ERROR_PROC_NOT_FOUND),
    NAMED(ERROR_BAD_EXE_FORMAT),
};
#undef NAMED

}  // namespace

std::string ErrorText(DWORD code)
{
    for (const NamedError& named : kNames)
        if (named.code == code) return std::string(named.name) + " (" + std::to_string(code) + ")";
    return "error " + std::to_string(code);
}

std::string HresultText(HRESULT result)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
    return text;
}
