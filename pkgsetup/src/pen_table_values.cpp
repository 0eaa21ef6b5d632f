#include "pen_table_values.h"

#include <windows.h>

#include "setup_keys.h"

namespace {

const LPCWSTR kBuiltInTableValues[] = {
    TEXT("QVPenTranslitTableExtendedLatin"), TEXT("QVPenTranslitTableRussian"),
    TEXT("QVPenTranslitTableGreek"),         TEXT("QVPenTranslitTableSerbian"),
    TEXT("QVPenTranslitTableBulgarian"),     TEXT("QVPenTranslitTableCroatian"),
    TEXT("QVPenTranslitTableCzech"),         TEXT("QVPenTranslitTableHungarian"),
    TEXT("QVPenTranslitTableNorwegian"),     TEXT("QVPenTranslitTableRomanian"),
    TEXT("QVPenTranslitTableSlovak"),        TEXT("QVPenTranslitTableSlovenian"),
    TEXT("QVPenTranslitTableDanish"),        TEXT("QVPenTranslitTableEstonian"),
    TEXT("QVPenTranslitTableFinnish"),       TEXT("QVPenTranslitTableLatvian"),
    TEXT("QVPenTranslitTableLithuanian"),    TEXT("QVPenTranslitTableSwedish"),
    TEXT("QVPenTranslitTablePolish"),
};

}  // namespace

void DeletePenTableValues()
{
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return;
    for (LPCWSTR name : kBuiltInTableValues) RegDeleteValueW(product, name);
    RegCloseKey(product);
}
