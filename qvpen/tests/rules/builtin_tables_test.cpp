// The tables the library ships: their sizes, their names, and whether the
// registry can hold them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rule_collector.h"
#include "translit_tables.h"

namespace {

// The registry refuses value data larger than this.
const size_t kRegistryValueLimit = 4096;

size_t CountOf(LPCWSTR text, WCHAR character)
{
    size_t count = 0;
    for (LPCWSTR at = text; *at; ++at) count += *at == character;
    return count;
}

TEST(BuiltinTablesTest, EveryTableHoldsItsEntriesAllValid)
{
    const size_t kEntries[kTranslitTableCount] = {155, 0,  155, 86, 78, 73, 86, 10, 32, 22, 6,  10, 40,
                                                  6,   6,  22,  14, 22, 18, 10, 18, 20, 20, 28, 13, 12};
    for (int index = 0; index < kTranslitTableCount; ++index) {
        const TranslitTable& table = kTranslitTables[index];
        EXPECT_EQ(RulesOf(table.builtIn).size(), kEntries[index]) << "table " << index + 1;
        EXPECT_EQ(CountOf(table.builtIn, ';'), kEntries[index]) << "table " << index + 1 << " has a stray entry";
    }
}

TEST(BuiltinTablesTest, SharedContentsAreTheSameText)
{
    const int kSame[][2] = {{1, 3}, {7, 4}, {15, 11}};
    for (const auto& pair : kSame)
        EXPECT_EQ(std::u16string(kTranslitTables[pair[0] - 1].builtIn), kTranslitTables[pair[1] - 1].builtIn)
            << "table " << pair[0] << " starts as table " << pair[1];
}

TEST(BuiltinTablesTest, ValueNamesAreDistinctAndShareThePrefix)
{
    std::set<std::u16string> names;
    for (const TranslitTable& table : kTranslitTables) {
        std::u16string name = table.valueName;
        EXPECT_TRUE(name.starts_with(u"QVPenTranslitTable")) << "a table value is named after the selection";
        EXPECT_GT(name.size(), std::u16string_view(u"QVPenTranslitTable").size());
        names.insert(name);
    }
    EXPECT_EQ(names.size(), size_t(kTranslitTableCount));
    EXPECT_EQ(std::u16string(kTranslitTables[3].valueName), u"QVPenTranslitTableRussian");
    EXPECT_EQ(std::u16string(kTranslitTables[25].listName), u"Italian");
}

TEST(BuiltinTablesTest, EveryTableFitsARegistryValue)
{
    size_t largest = 0;
    for (const TranslitTable& table : kTranslitTables) {
        size_t bytes = (wcslen(table.builtIn) + 1) * sizeof(WCHAR);
        EXPECT_LE(bytes, kRegistryValueLimit) << "table " << (&table - kTranslitTables) + 1;
        largest = std::max(largest, bytes);
    }
    RecordProperty("largest_table_bytes", static_cast<int>(largest));
    std::cout << "largest built-in table: " << largest << " bytes of " << kRegistryValueLimit << "\n";
}

}  // namespace
