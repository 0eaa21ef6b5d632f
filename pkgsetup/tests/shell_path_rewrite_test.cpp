#include <map>

#include <device/registry_failures.h>
#include <device/text.h>

#include "setup_device.h"
#include "shell_path_rewrite.h"

namespace {

const WCHAR kStartItems[] = u"SOFTWARE\\Microsoft\\Shell\\Start Items";
const WCHAR kTaskSwitch[] = u"SOFTWARE\\Microsoft\\Shell\\TaskSwitch";
const WCHAR kPrograms[] = u"\\Windows\\Главное меню\\Программы";
const WCHAR kStartMenu[] = u"\\Windows\\Главное меню";

struct Value {
    std::u16string name;
    std::u16string data;
};
using Values = std::vector<Value>;

bool operator==(const Value& a, const Value& b) { return a.name == b.name && a.data == b.data; }

void PrintTo(const Value& value, std::ostream* out)
{
    *out << device::Utf8(value.name) << " = " << device::Utf8(value.data);
}

}  // namespace

class ShellPathRewriteTest : public SetupDevice {
protected:
    void SetUp() override
    {
        SetupDevice::SetUp();
        RemoveKey(HKEY_LOCAL_MACHINE, kStartItems);
        RemoveKey(HKEY_CURRENT_USER, kTaskSwitch);
    }

    static void RemoveKey(HKEY root, LPCWSTR path)
    {
        LONG result = RegDeleteKeyW(root, path);
        EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND);
    }

    static void Place(HKEY root, LPCWSTR path, const Values& values)
    {
        for (const Value& value : values) SetString(root, path, value.name.c_str(), value.data.c_str());
    }

    // The key's string values in the key's order.
    static Values StringsOf(HKEY root, LPCWSTR path)
    {
        Values values;
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return values;
        for (DWORD index = 0;; ++index) {
            WCHAR name[300];
            DWORD length = 300, type = REG_NONE;
            if (RegEnumValueW(key, index, name, &length, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) break;
            if (type == REG_SZ) values.push_back({name, String(root, path, name).value_or(u"(unreadable)")});
        }
        RegCloseKey(key);
        return values;
    }

    static size_t Writes(const std::u16string& name)
    {
        size_t writes = 0;
        for (const device::RegistryCall& call : device::RegistryCalls())
            if (call.function == "RegSetValueExW" && call.name == name) ++writes;
        return writes;
    }
};

TEST_F(ShellPathRewriteTest, StartItemsFollowTheStartMenuBothWays)
{
    struct Case {
        const char* what;
        Value english;
        Value localized;
    };
    const Case cases[] = {
        {"a shortcut in a subfolder: the shortcut, then the folder, then the programs folder",
         {u"Solitaire", u"\\Windows\\Start Menu\\Programs\\Games\\Solitaire.lnk"},
         {u"Solitaire", u"\\Windows\\Главное меню\\Программы\\Игры\\Солитер.lnk"}},
        {"a value named as a shortcut is renamed with its data rewritten",
         {u"Calendar.lnk", u"\\Windows\\Start Menu\\Calendar.lnk"},
         {u"Календарь.lnk", u"\\Windows\\Главное меню\\Календарь.lnk"}},
        {"the Start-menu folder alone", {u"Menu", u"\\Windows\\Start Menu"}, {u"Menu", u"\\Windows\\Главное меню"}},
        {"the settings folder takes the Start menu's", {u"Power", u"\\Windows\\Start Menu\\Settings\\Power.lnk"},
         {u"Power", u"\\Windows\\Главное меню\\Settings\\Power.lnk"}},
        {"elsewhere the folder stays and only the first name changes",
         {u"Stored", u"\\Storage\\Notes.lnk\\Notes.lnk"}, {u"Stored", u"\\Storage\\Заметки.lnk\\Notes.lnk"}},
        {"a folder that only begins like the Start menu's is another folder",
         {u"Old", u"\\Windows\\Start Menu Old\\x.lnk"}, {u"Old", u"\\Windows\\Start Menu Old\\x.lnk"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        RemoveKey(HKEY_LOCAL_MACHINE, kStartItems);
        Place(HKEY_LOCAL_MACHINE, kStartItems, {c.english});

        EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, TRUE)) << c.what;
        EXPECT_TRUE(EndedWithFlushAndClose()) << c.what;
        EXPECT_EQ(StringsOf(HKEY_LOCAL_MACHINE, kStartItems), Values{c.localized}) << c.what;

        EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, FALSE)) << c.what;
        EXPECT_EQ(StringsOf(HKEY_LOCAL_MACHINE, kStartItems), Values{c.english}) << c.what << ", back";
    }
}

TEST_F(ShellPathRewriteTest, TheTaskSwitchKeyFollowsButNeverRenames)
{
    Place(HKEY_CURRENT_USER, kTaskSwitch, {{u"Calendar.lnk", u"\\Windows\\Start Menu\\Calendar.lnk"}});
    Place(HKEY_LOCAL_MACHINE, kStartItems, {{u"Calendar.lnk", u"\\Windows\\Start Menu\\Calendar.lnk"}});

    EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, TRUE));
    EXPECT_TRUE(EndedWithFlushAndClose());
    EXPECT_EQ(StringsOf(HKEY_CURRENT_USER, kTaskSwitch),
              (Values{{u"Calendar.lnk", u"\\Windows\\Главное меню\\Календарь.lnk"}}));
    EXPECT_EQ(StringsOf(HKEY_LOCAL_MACHINE, kStartItems),
              (Values{{u"Календарь.lnk", u"\\Windows\\Главное меню\\Календарь.lnk"}}));
}

TEST_F(ShellPathRewriteTest, EveryValueIsTreatedOnceThoughValuesAreRenamedOnTheWay)
{
    const Values before = {
        {u"Calendar.lnk", u"\\Windows\\Start Menu\\Calendar.lnk"},
        {u"Contacts.lnk", u"\\Windows\\Start Menu\\Contacts.lnk"},
        {u"Inbox.lnk", u"\\Windows\\Start Menu\\Inbox.lnk"},
        {u"Clock", u"\\Windows\\Start Menu\\Clock.lnk"},
    };
    Place(HKEY_LOCAL_MACHINE, kStartItems, before);
    device::ClearRegistryCalls();

    EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, TRUE));
    EXPECT_EQ(StringsOf(HKEY_LOCAL_MACHINE, kStartItems), (Values{
                                                              {u"Clock", u"\\Windows\\Главное меню\\Clock.lnk"},
                                                              {u"Календарь.lnk", u"\\Windows\\Главное меню\\Календарь.lnk"},
                                                              {u"Контакты.lnk", u"\\Windows\\Главное меню\\Контакты.lnk"},
                                                              {u"Почта.lnk", u"\\Windows\\Главное меню\\Почта.lnk"},
                                                          }));
    // Data, then the new name, then its folder: a second visit would write again.
    for (const char16_t* name : {u"Календарь.lnk", u"Контакты.lnk", u"Почта.lnk"})
        EXPECT_EQ(Writes(name), 2u) << device::Utf8(name);
    EXPECT_EQ(Writes(u"Clock"), 2u);

    EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, FALSE));
    std::map<std::u16string, std::u16string> restored;
    for (const Value& value : StringsOf(HKEY_LOCAL_MACHINE, kStartItems)) restored[value.name] = value.data;
    EXPECT_EQ(restored.size(), before.size());
    for (const Value& value : before) EXPECT_EQ(restored[value.name], value.data) << device::Utf8(value.name);
}

TEST_F(ShellPathRewriteTest, ValuesThatAreNoStringsOrDoNotFitAreLeftAlone)
{
    const std::u16string longName(120, u'N');
    const std::u16string longData = u"\\Windows\\Start Menu\\" + std::u16string(100, u'd');
    // 99 characters that fit, but not once the folder is localised.
    const std::u16string growing = u"\\Windows\\Start Menu\\Programs\\" + std::u16string(70, u'g');
    const std::u16string renamedLong = u"\\Windows\\Start Menu\\" + std::u16string(67, u'c') + u"Calendar.lnk";
    Place(HKEY_LOCAL_MACHINE, kStartItems,
          {{longName, u"\\Windows\\Start Menu\\Calendar.lnk"},
           {u"Long data", longData},
           {u"Growing", growing},
           {u"Calendar.lnk", renamedLong}});
    SetDword(HKEY_LOCAL_MACHINE, kStartItems, u"Count", 3);
    const std::vector<BYTE> bytes = {0x5C, 0x00, 0x57, 0x00};
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kStartItems, 0, 0, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, u"Bytes", 0, REG_BINARY, bytes.data(), 4), ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string dump = device::DumpRegistry(HKEY_LOCAL_MACHINE, kStartItems);
    device::ClearRegistryCalls();

    EXPECT_TRUE(RewriteStartItems(1049, kPrograms, kStartMenu, TRUE));
    EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, kStartItems), dump);
    for (const device::RegistryCall& call : device::RegistryCalls()) {
        EXPECT_NE(call.function, "RegSetValueExW") << device::Utf8(call.name);
        EXPECT_NE(call.function, "RegDeleteValueW") << device::Utf8(call.name);
    }
}

TEST_F(ShellPathRewriteTest, AKeyThatCannotBeOpenedEndsTheRewriteAndSkipsTheTaskSwitchKey)
{
    Place(HKEY_CURRENT_USER, kTaskSwitch, {{u"Notes", u"\\Windows\\Start Menu\\Notes.lnk"}});
    device::FailRegistryCall("RegCreateKeyExW", u"HKLM", kStartItems, ERROR_ACCESS_DENIED);

    EXPECT_FALSE(RewriteStartItems(1049, kPrograms, kStartMenu, TRUE));
    EXPECT_EQ(StringsOf(HKEY_CURRENT_USER, kTaskSwitch), (Values{{u"Notes", u"\\Windows\\Start Menu\\Notes.lnk"}}));

    device::FailRegistryCall("RegCreateKeyExW", u"HKCU", kTaskSwitch, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(RewriteTaskSwitch(1049, kPrograms, kStartMenu, TRUE));
}
