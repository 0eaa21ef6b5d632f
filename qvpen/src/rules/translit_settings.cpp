#include "translit_settings.h"

#include <utility>

#include "product_key.h"

namespace {

const LONG kNoTable = 0;

// Braced initialisers run in order: the tables are read by number.
template <size_t... Index>
std::array<RegStringSetting, kTranslitTableCount> ReadTables(HKEY key, std::index_sequence<Index...>)
{
    return {RegStringSetting(key, kTranslitTables[Index].valueName, kTranslitTables[Index].builtIn)...};
}

}  // namespace

TranslitSettings::TranslitSettings(LPCWSTR path)
    : key(OpenProductKey(path)),
      selected(key, TEXT("QVPenTranslitTable"), kNoTable, kNoTable, kTranslitTableCount),
      tables(ReadTables(key, std::make_index_sequence<kTranslitTableCount>())),
      interfaceLanguage(key, TEXT("InterfaceLang"), 1033)
{
    for (RegStringSetting& table : tables) table.Save();
}

TranslitSettings::~TranslitSettings()
{
    if (key) RegCloseKey(key);
}

void TranslitSettings::Reload()
{
    selected.Reload();
    for (RegStringSetting& table : tables) table.Reload();
}

RegStringSetting* TranslitSettings::Table(LONG number)
{
    if (number < 1 || number > kTranslitTableCount) return nullptr;
    return &tables[static_cast<size_t>(number - 1)];
}
