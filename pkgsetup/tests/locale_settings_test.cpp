#include <device/registry_calls.h>
#include <device/registry_failures.h>
#include <device/text.h>

#include "interface_languages.h"
#include "locale_swap.h"
#include "mui_settings.h"
#include "pen_table_values.h"
#include "setup_device.h"

using LocaleSettingsTest = SetupDevice;

namespace {

using Texts = std::vector<std::u16string>;

constexpr DWORD kAbsent = 0xFFFFFFFF;

}  // namespace

TEST_F(LocaleSettingsTest, LanguagesAreReadAndAnUnreadableOneIsReportedAndTakenAsEnglish)
{
    struct Case {
        const char* what;
        LPCWSTR spoiled;  // deleted, or with SPOIL_AS_STRING rewritten as text
        bool spoilAsString;
        DWORD package, interface;
        Texts messages;
    };
    const Case cases[] = {
        {"both present", nullptr, false, 1049, 1049, {}},
        {"no package language", u"AvailableInterfaceLang", false, 1033, 1049, {u"Registry error 2"}},
        {"no interface language", u"InterfaceLang", false, 1049, 1033, {u"Registry error 3"}},
        {"an interface language stored as text", u"InterfaceLang", true, 1049, 1033, {u"Registry error 3"}},
    };
    for (const Case& c : cases) {
        PlacePackageEntries();
        if (c.spoiled && c.spoilAsString) SetString(HKEY_CURRENT_USER, kTestProductKey, c.spoiled, u"1049");
        if (c.spoiled && !c.spoilAsString) DeleteValue(HKEY_CURRENT_USER, kTestProductKey, c.spoiled);
        device::ClearMessageBoxLog();
        AnswerOk(c.messages.size());

        EXPECT_TRUE(ReadInterfaceLanguages()) << c.what;
        EXPECT_EQ(TheModuleState().packageLanguage, c.package) << c.what;
        EXPECT_EQ(TheModuleState().interfaceLanguage, c.interface) << c.what;
        EXPECT_EQ(SetupErrorsShown(), c.messages) << c.what;
    }
}

TEST_F(LocaleSettingsTest, AProductKeyThatCannotBeOpenedLeavesBothLanguagesAsTheyWere)
{
    TheModuleState().packageLanguage = 1037;
    TheModuleState().interfaceLanguage = 1065;
    device::FailRegistryCall("RegCreateKeyExW", u"HKCU", kTestProductKey, ERROR_CANTOPEN);
    AnswerOk(1);

    EXPECT_FALSE(ReadInterfaceLanguages());
    EXPECT_EQ(TheModuleState().packageLanguage, 1037u);
    EXPECT_EQ(TheModuleState().interfaceLanguage, 1065u);
    EXPECT_EQ(SetupErrorsShown(), Texts{u"Registry error 1"});
}

TEST_F(LocaleSettingsTest, AMissingPackageValueIsReportedOnceAndChangesNoSystemValue)
{
    const LPCWSTR names[] = {u"TarvexLCID", u"DefaultLCID", u"DefaultACP", u"DefaultOCP", u"Default_CodePage"};
    std::string system = SystemLocaleDump();
    for (LPCWSTR name : names) {
        PlacePackageEntries();
        DeleteValue(HKEY_CURRENT_USER, kTestProductKey, name);
        std::string product = ProductKeyDump();
        device::ClearMessageBoxLog();
        AnswerOk(1);

        EXPECT_FALSE(SwapLocaleSettings()) << "without " << device::Utf8(name);
        EXPECT_EQ(SetupErrorsShown(), Texts{u"Registry error X"}) << "without " << device::Utf8(name);
        EXPECT_EQ(SystemLocaleDump(), system) << "without " << device::Utf8(name);
        EXPECT_EQ(ProductKeyDump(), product) << "without " << device::Utf8(name);
        EXPECT_EQ(TheModuleState().preSwapSystemLcid, 1033u) << "nothing was read from the system";
    }
}

TEST_F(LocaleSettingsTest, InstallationPutsThePackageLocaleInPlaceAndSavesTheSystems)
{
    EXPECT_TRUE(SwapLocaleSettings());

    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultACP"), 1251u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultOCP"), 866u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"TarvexLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage"), 1251u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultLCID"), 0x409u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultACP"), 1252u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultOCP"), 437u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"Default_CodePage"), 1252u);
    EXPECT_EQ(TheModuleState().preSwapSystemLcid, 0x409u);
}

TEST_F(LocaleSettingsTest, InstallationThenRemovalRestoresTheSystemAndTheProductKey)
{
    struct Case {
        const char* what;
        LPCWSTR missingSystemValue;  // from the device before installation
        HKEY missingRoot;
        LPCWSTR missingPath;
    };
    const Case cases[] = {
        {"every value present", nullptr, nullptr, nullptr},
        {"no DefaultLCID", u"DefaultLCID", HKEY_LOCAL_MACHINE, u"nls"},
        {"no DefaultACP", u"DefaultACP", HKEY_LOCAL_MACHINE, u"nls"},
        {"no DefaultOCP", u"DefaultOCP", HKEY_LOCAL_MACHINE, u"nls"},
        {"a browser without a code page", u"Default_CodePage", HKEY_LOCAL_MACHINE, kTestBrowserKey},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        PlacePackageEntries();
        if (c.missingSystemValue) DeleteValue(c.missingRoot, c.missingPath, c.missingSystemValue);
        std::string product = ProductKeyDump();
        std::string nls = device::DumpRegistry(HKEY_LOCAL_MACHINE, u"nls");
        std::string browser = device::DumpRegistry(HKEY_LOCAL_MACHINE, kTestBrowserKey);

        ASSERT_TRUE(SwapLocaleSettings()) << c.what;
        if (c.missingSystemValue) {
            EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, c.missingSystemValue), kAbsent)
                << c.what << ": a missing system value is saved as absent";
        }
        ASSERT_TRUE(SwapLocaleSettings()) << c.what;

        EXPECT_EQ(ProductKeyDump(), product) << c.what;
        EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, kTestBrowserKey), browser) << c.what;
        // The system keeps a "TarvexLCID" naming the restored locale.
        std::optional<DWORD> restoredLcid = Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID");
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"TarvexLCID"), restoredLcid ? *restoredLcid : kAbsent)
            << c.what;
        DeleteValue(HKEY_LOCAL_MACHINE, u"nls", u"TarvexLCID");
        EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"nls"), nls) << c.what;
    }
}

TEST_F(LocaleSettingsTest, APackageWithoutTarvexLcidDeletesTheSystemsSwitch)
{
    SetDword(HKEY_LOCAL_MACHINE, u"nls", u"TarvexLCID", 1049);
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"TarvexLCID", kAbsent);

    EXPECT_TRUE(SwapLocaleSettings());
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"TarvexLCID"), std::nullopt);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"TarvexLCID"), kAbsent) << "the switch is never rewritten";
}

TEST_F(LocaleSettingsTest, TheSwapStopsAtTheFirstFailureWithItsMessage)
{
    struct Case {
        const char* what;
        const char* function;
        std::u16string key;
        std::u16string name;
        std::u16string message;
        std::optional<DWORD> systemLcidAfter;  // "nls" DefaultLCID
        std::optional<DWORD> browserAfter;     // the browser's code page
    };
    const Case cases[] = {
        {"product key not opened", "RegCreateKeyExW", u"HKCU", kTestProductKey, u"Registry error 3", 0x409, 1252},
        {"nls not opened", "RegCreateKeyExW", u"HKLM", u"nls", u"Registry error 4", 0x409, 1252},
        {"a write into nls", "RegSetValueExW", u"HKLM\\nls", u"DefaultACP", u"Registry error X", 1049, 1252},
        {"browser key not opened: before anything is written", "RegCreateKeyExW", u"HKLM", kTestBrowserKey,
         u"Registry error 5", 0x409, 1252},
        {"the browser's write", "RegSetValueExW", u"HKLM\\" + std::u16string(kTestBrowserKey), u"Default_CodePage",
         u"Registry error X", 1049, 1252},
        {"a write into the product key: before the system's values", "RegSetValueExW",
         u"HKCU\\" + std::u16string(kTestProductKey), u"DefaultOCP", u"Registry error Y", 0x409, 1252},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        TheModuleState() = ModuleState{};
        PlacePackageEntries();
        device::FailRegistryCall(c.function, c.key, c.name, ERROR_CANTWRITE);
        AnswerOk(1);

        EXPECT_FALSE(SwapLocaleSettings()) << c.what;
        EXPECT_EQ(SetupErrorsShown(), Texts{c.message}) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), c.systemLcidAfter) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage"), c.browserAfter) << c.what;
    }
}

// A write that keeps failing stops the installation's swap and the
// removal's at the same place; either way every system value is back
// afterwards, from where it was saved.
TEST_F(LocaleSettingsTest, WhicheverWriteFailsTheRemovalRestoresTheSystemLocale)
{
    struct Case {
        std::u16string key;
        LPCWSTR name;
        LPCWSTR message;
    };
    const std::u16string product = u"HKCU\\" + std::u16string(kTestProductKey);
    const std::u16string browser = u"HKLM\\" + std::u16string(kTestBrowserKey);
    const Case cases[] = {
        {product, u"DefaultLCID", u"Registry error Y"},   {product, u"DefaultACP", u"Registry error Y"},
        {product, u"DefaultOCP", u"Registry error Y"},    {product, u"Default_CodePage", u"Registry error Y"},
        {u"HKLM\\nls", u"TarvexLCID", u"Registry error X"}, {u"HKLM\\nls", u"DefaultLCID", u"Registry error X"},
        {u"HKLM\\nls", u"DefaultACP", u"Registry error X"},  {u"HKLM\\nls", u"DefaultOCP", u"Registry error X"},
        {browser, u"Default_CodePage", u"Registry error X"},
    };
    const LPCWSTR systemValues[] = {u"DefaultLCID", u"DefaultACP", u"DefaultOCP"};
    for (const Case& c : cases) {
        std::string what = device::Utf8(c.key + u" " + c.name);
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        PlacePackageEntries();
        std::vector<std::optional<DWORD>> before;
        for (LPCWSTR name : systemValues) before.push_back(Dword(HKEY_LOCAL_MACHINE, u"nls", name));
        std::optional<DWORD> browserBefore = Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage");
        device::FailRegistryCall("RegSetValueExW", c.key, c.name, ERROR_CANTWRITE);
        AnswerOk(2);

        EXPECT_FALSE(SwapLocaleSettings()) << what << ", installing";
        EXPECT_FALSE(SwapLocaleSettings()) << what << ", removing";
        EXPECT_EQ(SetupErrorsShown(), (Texts{c.message, c.message})) << what;
        for (size_t i = 0; i < std::size(systemValues); ++i)
            EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", systemValues[i]), before[i])
                << what << ": " << device::Utf8(systemValues[i]);
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage"), browserBefore) << what;
    }
}

TEST_F(LocaleSettingsTest, MuiSettingsNameTheSystemLocaleFoundBeforeTheSwap)
{
    struct Case {
        const char* what;
        bool systemHasLcid;
        bool swapFailsEarly;  // before the system's values are read
        DWORD sysLang;
    };
    const Case cases[] = {
        {"the English device's locale", true, false, 0x409},
        {"a device without DefaultLCID", false, false, kAbsent},
        {"a swap that failed before reading the system", true, true, 1033},
    };
    for (const Case& c : cases) {
        PlacePackageEntries();
        SetDword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID", 0x409);
        if (!c.systemHasLcid) DeleteValue(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID");
        if (c.swapFailsEarly) DeleteValue(HKEY_CURRENT_USER, kTestProductKey, u"DefaultACP");
        TheModuleState().preSwapSystemLcid = 1;
        AnswerOk(c.swapFailsEarly ? 1 : 0);
        SwapLocaleSettings();

        EXPECT_TRUE(WriteMuiSettings(1049)) << c.what;
        EXPECT_TRUE(EndedWithFlushAndClose()) << c.what << ": the settings are made durable";
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"MUI", u"Enable"), 1u) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"MUI", u"SysLang"), c.sysLang) << c.what;
        EXPECT_EQ(Dword(HKEY_CURRENT_USER, u"MUI", u"CurLang"), 1049u) << c.what;
    }
}

TEST_F(LocaleSettingsTest, MuiSettingsReportAFailedWrite)
{
    device::FailRegistryCall("RegSetValueExW", u"HKLM\\MUI", u"SysLang", ERROR_CANTWRITE);
    EXPECT_FALSE(WriteMuiSettings(1049));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"MUI")) << "the user's key is not written after a failure";
}

TEST_F(LocaleSettingsTest, TheUsersMuiKeyStaysWhenTheMachinesCannotBeDeleted)
{
    ASSERT_TRUE(WriteMuiSettings(1049));
    device::FailRegistryCall("RegDeleteKeyW", u"HKLM", u"MUI", ERROR_ACCESS_DENIED);
    EXPECT_FALSE(DeleteMuiKeys());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"MUI"));

    ASSERT_TRUE(device::CreateFresh());
    ASSERT_TRUE(WriteMuiSettings(1049));
    EXPECT_TRUE(DeleteMuiKeys());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"MUI"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"MUI"));
    EXPECT_FALSE(DeleteMuiKeys()) << "nothing left to delete";
}

// A flow run again after a power loss must not swap the locale back the
// wrong way: each half swaps only while it is not done.
TEST_F(LocaleSettingsTest, EachHalfOfTheSwapIsDoneOnceHoweverOftenItRuns)
{
    EXPECT_TRUE(PutSystemLocaleBack());
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 0x409u) << "nothing to put back yet";
    EXPECT_TRUE(PutPackageLocaleInPlace());
    EXPECT_TRUE(PutPackageLocaleInPlace());
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultLCID"), 0x409u);
    EXPECT_TRUE(PutSystemLocaleBack());
    EXPECT_TRUE(PutSystemLocaleBack());
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 0x409u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"LocaleSwapped"), std::nullopt);
}

TEST_F(LocaleSettingsTest, TheUsersMuiKeyGoesWhenTheMachinesIsAlreadyGone)
{
    ASSERT_TRUE(WriteMuiSettings(1049));
    ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"MUI"), ERROR_SUCCESS);
    EXPECT_TRUE(DeleteMuiKeys());
    HKEY user = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, u"MUI", 0, 0, &user), ERROR_SUCCESS);
}

TEST_F(LocaleSettingsTest, OnlyTheBuiltInPenTablesAreDeleted)
{
    const LPCWSTR builtIn[] = {u"ExtendedLatin", u"Russian",   u"Greek",     u"Serbian",   u"Bulgarian",
                               u"Croatian",      u"Czech",     u"Hungarian", u"Norwegian", u"Romanian",
                               u"Slovak",        u"Slovenian", u"Danish",    u"Estonian",  u"Finnish",
                               u"Latvian",       u"Lithuanian", u"Swedish",  u"Polish"};
    SetString(HKEY_CURRENT_USER, kTestProductKey, u"QVPenTranslitTableUser1", u"61 5C=E0;");
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"QVPenTranslitTable", 3);
    std::string userValuesOnly = ProductKeyDump();
    for (LPCWSTR table : builtIn) {
        std::u16string name = u"QVPenTranslitTable" + std::u16string(table);
        SetString(HKEY_CURRENT_USER, kTestProductKey, name.c_str(), u"61 5C=E0;");
    }

    DeletePenTableValues();
    EXPECT_EQ(ProductKeyDump(), userValuesOnly);
}
