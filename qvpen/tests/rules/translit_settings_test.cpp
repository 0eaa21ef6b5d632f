// The store of the selection and the 26 tables: load, reload and save
// against the device's registry.
#include <gtest/gtest.h>

#include <string>

#include "fresh_device.h"
#include "translit_settings.h"

namespace {

const WCHAR kPath[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");
const WCHAR kSelection[] = TEXT("QVPenTranslitTable");
const WCHAR kRussian[] = TEXT("QVPenTranslitTableRussian");

class TranslitSettingsTest : public FreshDevice {
protected:
    HKEY ProductKey()
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
        return key;
    }

    void SetDword(LPCWSTR name, DWORD value)
    {
        HKEY key = ProductKey();
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }

    void SetText(LPCWSTR name, LPCWSTR text)
    {
        HKEY key = ProductKey();
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR)));
        RegCloseKey(key);
    }

    void Delete(LPCWSTR name)
    {
        HKEY key = ProductKey();
        RegDeleteValueW(key, name);
        RegCloseKey(key);
    }

    // The stored text, or "<type N>" / "<missing>".
    std::u16string Stored(LPCWSTR name)
    {
        HKEY key = ProductKey();
        DWORD type = REG_NONE;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
        std::u16string text(size / sizeof(WCHAR), u'\0');
        if (result == ERROR_SUCCESS && type == REG_SZ)
            RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(text.data()), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) return u"<missing>";
        if (type != REG_SZ) return u"<type " + std::u16string(1, char16_t(u'0' + type)) + u">";
        if (text.empty() || text.back() != u'\0') return u"<unterminated>";
        text.pop_back();
        return text;
    }
};

TEST_F(TranslitSettingsTest, AnEmptyKeyLoadsTheBuiltInTablesAndWritesAll26)
{
    TranslitSettings settings(kPath);
    EXPECT_EQ(settings.SelectedNumber(), 0);
    EXPECT_EQ(settings.InterfaceLanguage(), 1033);
    EXPECT_EQ(Stored(kSelection), u"<missing>") << "the selection is not written at load";
    for (int number = 1; number <= kTranslitTableCount; ++number) {
        const TranslitTable& builtIn = kTranslitTables[number - 1];
        EXPECT_EQ(Stored(builtIn.valueName), builtIn.builtIn) << "table " << number;
        EXPECT_EQ(std::u16string(settings.Table(number)->Text()), builtIn.builtIn) << "table " << number;
    }
    EXPECT_EQ(std::u16string(settings.Table(1)->Text()), settings.Table(3)->Text());
    EXPECT_EQ(std::u16string(settings.Table(2)->Text()), u"");
}

TEST_F(TranslitSettingsTest, OnlyNumbers1To26NameATable)
{
    TranslitSettings settings(kPath);
    const LONG kNoTable[] = {0, 27, -1, 1000};
    for (LONG number : kNoTable) EXPECT_EQ(settings.Table(number), nullptr) << number << " selects no table";
    EXPECT_NE(settings.Table(1), nullptr);
    EXPECT_NE(settings.Table(26), nullptr);
}

TEST_F(TranslitSettingsTest, TheStoredSelectionIsClampedAndOnlyADwordCounts)
{
    struct Case {
        const char* what;
        DWORD stored;
        LONG selected;
    };
    const Case kCases[] = {{"in range", 4, 4}, {"negative", DWORD(-1), 0}, {"beyond the last table", 40, 26}};
    for (const Case& one : kCases) {
        SetDword(kSelection, one.stored);
        TranslitSettings settings(kPath);
        EXPECT_EQ(settings.SelectedNumber(), one.selected) << one.what;
    }

    SetText(kSelection, TEXT("4"));
    TranslitSettings settings(kPath);
    EXPECT_EQ(settings.SelectedNumber(), 0) << "a selection stored as text is ignored";
}

TEST_F(TranslitSettingsTest, AStoredTableWinsOverTheBuiltInOneAndAnotherTypeDoesNot)
{
    SetText(kRussian, TEXT("0 61=431;"));
    SetDword(TEXT("QVPenTranslitTableGreek"), 7);
    TranslitSettings settings(kPath);
    EXPECT_EQ(std::u16string(settings.Table(4)->Text()), u"0 61=431;");
    EXPECT_EQ(Stored(kRussian), u"0 61=431;");
    EXPECT_EQ(std::u16string(settings.Table(5)->Text()), kTranslitTables[4].builtIn);
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableGreek")), kTranslitTables[4].builtIn) << "rewritten as text";
}

TEST_F(TranslitSettingsTest, ReloadReadsSelectionAndTablesButNotTheLanguage)
{
    TranslitSettings settings(kPath);
    SetDword(kSelection, 4);
    SetText(kRussian, TEXT("0 61=431;"));
    SetDword(TEXT("InterfaceLang"), 1049);
    Delete(TEXT("QVPenTranslitTableGreek"));
    settings.Reload();
    EXPECT_EQ(settings.SelectedNumber(), 4);
    EXPECT_EQ(std::u16string(settings.Table(4)->Text()), u"0 61=431;");
    EXPECT_EQ(std::u16string(settings.Table(5)->Text()), kTranslitTables[4].builtIn)
        << "a value deleted after load leaves the loaded text";
    EXPECT_EQ(settings.InterfaceLanguage(), 1033);
}

TEST_F(TranslitSettingsTest, SelectingWritesTheClampedNumberAtOnce)
{
    TranslitSettings settings(kPath);
    settings.SelectNumber(30);
    EXPECT_EQ(settings.SelectedNumber(), 26);
    HKEY key = ProductKey();
    DWORD stored = 0;
    DWORD size = sizeof stored;
    RegQueryValueExW(key, kSelection, nullptr, nullptr, reinterpret_cast<LPBYTE>(&stored), &size);
    RegCloseKey(key);
    EXPECT_EQ(stored, 26u);
}

// A text of an odd byte count: the load writes back the characters it read
// and nothing from beyond them.
TEST_F(TranslitSettingsTest, ALoadWritesBackOnlyWhatItReadOfAnOddLengthText)
{
    const BYTE oddText[] = {'6', 0, '1', 0, '!'};
    HKEY key = ProductKey();
    RegSetValueExW(key, TEXT("QVPenTranslitTableUserDefined1"), 0, REG_SZ, oddText, sizeof oddText);
    RegCloseKey(key);
    TranslitSettings settings(kPath);
    EXPECT_EQ(std::u16string(settings.Table(1)->Text()), u"61");
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableUserDefined1")), u"61");
}

TEST_F(TranslitSettingsTest, AnAssignedTableIsSavedOnlyWhenAsked)
{
    TranslitSettings settings(kPath);
    settings.Table(2)->Assign(TEXT("61 5C=E0;"));
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableUserDefined2")), u"");
    settings.Table(2)->Save();
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableUserDefined2")), u"61 5C=E0;");
}

// The registry holds at most 4096 bytes in a value: 2047 characters and the
// terminator.
TEST_F(TranslitSettingsTest, ASaveTellsWhetherTheRegistryTookTheText)
{
    TranslitSettings settings(kPath);
    RegStringSetting& table = *settings.Table(2);
    std::u16string longest(2047, u'x');
    table.Assign(longest.c_str());
    EXPECT_TRUE(table.Save());
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableUserDefined2")), longest);
    table.Assign((longest + u"x").c_str());
    EXPECT_FALSE(table.Save()) << "one character more is refused";
    EXPECT_EQ(Stored(TEXT("QVPenTranslitTableUserDefined2")), longest);
}

}  // namespace
