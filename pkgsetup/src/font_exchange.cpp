#include "font_exchange.h"

#include "setup_message.h"

namespace {

struct FileMove {
    LPCWSTR from;
    LPCWSTR to;
    LPCWSTR failureText;
};

// The courier text names the platform's ending, as the package always has.
const FileMove kInstallMoves[] = {
    {TEXT("\\Windows\\qvtahoma.tt_"), TEXT("\\Windows\\tahoma.ttf"), TEXT("\\Windows\\qvtahoma.tt_")},
    {TEXT("\\Windows\\qvtahomabd.tt_"), TEXT("\\Windows\\tahomabd.ttf"), TEXT("\\Windows\\qvtahomabd.tt_")},
    {TEXT("\\Windows\\qvcour.tt_"), TEXT("\\Windows\\cour.ttf"), TEXT("\\Windows\\qvcour.ttf")},
    {TEXT("\\Windows\\wince.nl_"), TEXT("\\Windows\\wince.nls"), TEXT("\\Windows\\wince.nls")},
};

// The national-language table goes back first.
const FileMove kUninstallMoves[] = {
    {TEXT("\\Windows\\wince.nls"), TEXT("\\Windows\\wince.nl_"), TEXT("\\Windows\\wince.nls")},
    {TEXT("\\Windows\\tahoma.ttf"), TEXT("\\Windows\\qvtahoma.tt_"), TEXT("\\Windows\\tahoma.ttf")},
    {TEXT("\\Windows\\tahomabd.ttf"), TEXT("\\Windows\\qvtahomabd.tt_"), TEXT("\\Windows\\tahomabd.ttf")},
    {TEXT("\\Windows\\cour.ttf"), TEXT("\\Windows\\qvcour.tt_"), TEXT("\\Windows\\cour.ttf")},
};

}  // namespace

BOOL ExchangeFontFiles(ExchangeDirection direction)
{
    const FileMove(&moves)[4] = direction == ExchangeDirection::Install ? kInstallMoves : kUninstallMoves;
    for (const FileMove& move : moves)
        if (!MoveFileW(move.from, move.to)) ShowSetupError(move.failureText);
    return TRUE;
}
