#include <windows.h>

#include <vector>

#include "fresh_device.h"
#include "keyboard_settings.h"
#include "registry_values.h"

namespace {

const WCHAR kProductKey[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");

class SettingsTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, 0, nullptr, &key, &disposition),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(key);
        FreshDevice::TearDown();
    }

    void SetDword(LPCWSTR name, DWORD value) { ASSERT_EQ(WriteRegDword(key, name, value), ERROR_SUCCESS); }
    void SetString(LPCWSTR name, LPCWSTR value) { ASSERT_EQ(WriteRegString(key, name, value), ERROR_SUCCESS); }

    bool Stored(LPCWSTR name, DWORD& type, DWORD& value)
    {
        DWORD size = sizeof(value);
        return RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size) ==
               ERROR_SUCCESS;
    }

    DWORD ValueCount()
    {
        DWORD count = 0;
        WCHAR name[64];
        DWORD length = 64;
        while (RegEnumValueW(key, count, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
            ++count;
            length = 64;
        }
        return count;
    }

    HKEY key = nullptr;
};

TEST_F(SettingsTest, EmptyKeyGivesDefaultsCreatesTheKeyAndWritesNothing)
{
    RegCloseKey(key);
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kProductKey), ERROR_SUCCESS);

    KeyboardSettings settings(kProductKey);
    EXPECT_TRUE(settings.repeat.Value());
    EXPECT_EQ(settings.repeatDelay.Value(), 4);
    EXPECT_EQ(settings.repeatRate.Value(), 4);
    EXPECT_TRUE(settings.colored.Value());
    EXPECT_EQ(settings.interfaceLanguage.Value(), 1033);

    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, 0, &key), ERROR_SUCCESS);
    EXPECT_EQ(ValueCount(), 0u);
}

TEST_F(SettingsTest, StoredNumbersAreClampedAndMistypedValuesFallBackToTheDefault)
{
    struct Case {
        const char* what;
        DWORD delayStored;
        bool delayIsString;
        LONG expectedDelay;
    };
    const Case cases[] = {
        {"12 is above the range and reads as 9", 12, false, 9},
        {"-3 is below the range and reads as 0", static_cast<DWORD>(-3), false, 0},
        {"a value inside the range reads as stored", 7, false, 7},
        {"a REG_SZ reads as the default 4", 0, true, 4},
    };
    for (const Case& c : cases) {
        if (c.delayIsString)
            SetString(TEXT("KbdRepeatDelay"), TEXT("7"));
        else
            SetDword(TEXT("KbdRepeatDelay"), c.delayStored);
        KeyboardSettings settings(kProductKey);
        EXPECT_EQ(settings.repeatDelay.Value(), c.expectedDelay) << c.what;
    }
}

TEST_F(SettingsTest, AnyNonZeroFlagReadsTrueAndIsWrittenBackAsOne)
{
    SetDword(TEXT("KbdRepeat"), 7);
    KeyboardSettings settings(kProductKey);
    EXPECT_TRUE(settings.repeat.Value());

    settings.repeat.Set(true);
    DWORD type = 0, stored = 0;
    ASSERT_TRUE(Stored(TEXT("KbdRepeat"), type, stored));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored, 1u);
}

TEST_F(SettingsTest, RangeSetClampsBeforeWriting)
{
    KeyboardSettings settings(kProductKey);
    settings.repeatRate.Set(42);
    DWORD type = 0, stored = 0;
    ASSERT_TRUE(Stored(TEXT("KbdRepeatRate"), type, stored));
    EXPECT_EQ(stored, 9u);
    EXPECT_EQ(settings.repeatRate.Value(), 9);
}

TEST_F(SettingsTest, ReloadReportsChangesAndKeepsLoadedValuesOfDeletedOnes)
{
    SetDword(TEXT("KbdColored"), 0);
    KeyboardSettings settings(kProductKey);
    ASSERT_FALSE(settings.colored.Value());

    ASSERT_EQ(RegDeleteValueW(key, TEXT("KbdColored")), ERROR_SUCCESS);
    EXPECT_FALSE(settings.Reload()) << "a deleted value keeps the loaded one and is no change";
    EXPECT_FALSE(settings.colored.Value());

    SetDword(TEXT("InterfaceLang"), 1049);
    EXPECT_TRUE(settings.Reload()) << "a change of InterfaceLang alone is a change";
    EXPECT_EQ(settings.interfaceLanguage.Value(), 1049);
    EXPECT_FALSE(settings.Reload());
}

TEST_F(SettingsTest, ReloadReadsEverySettingEvenAfterTheFirstChange)
{
    KeyboardSettings settings(kProductKey);
    SetDword(TEXT("KbdRepeat"), 0);
    SetDword(TEXT("KbdRepeatRate"), 2);
    EXPECT_TRUE(settings.Reload());
    EXPECT_FALSE(settings.repeat.Value());
    EXPECT_EQ(settings.repeatRate.Value(), 2);
}

TEST_F(SettingsTest, StoredNumberOutsideTheRangeReportsAChangeAtEveryReload)
{
    KeyboardSettings settings(kProductKey);
    SetDword(TEXT("KbdRepeatDelay"), 12);
    EXPECT_TRUE(settings.Reload());
    EXPECT_EQ(settings.repeatDelay.Value(), 9);
    EXPECT_TRUE(settings.Reload()) << "12 differs from the held 9 each time";
}

TEST_F(SettingsTest, KeyThatCannotBeOpenedLeavesDefaults)
{
    // No registry takes a key name of 300 characters.
    std::u16string tooLong(300, u'k');
    KeyboardSettings settings(tooLong.c_str());
    EXPECT_EQ(settings.repeatDelay.Value(), 4);
}

TEST(OwnedStringTest, NullSourceIsEmptyAndResizeKeepsThePrefix)
{
    OwnedString empty(nullptr);
    ASSERT_NE(empty.Get(), nullptr);
    EXPECT_EQ(empty.Get()[0], 0);

    OwnedString text(TEXT("Lexovia"));
    text.Resize(3);
    EXPECT_EQ(std::u16string(text.Get()), u"Lex");
    text.Resize(6);
    EXPECT_EQ(std::u16string(text.Get()), u"Lex");
    for (int i = 3; i <= 6; ++i) EXPECT_EQ(text.Get()[i], 0) << "the grown tail is zero";

    text.Assign(text.Get());
    EXPECT_EQ(std::u16string(text.Get()), u"Lex") << "assigning its own buffer changes nothing";
}

TEST(OwnedStringTest, AssigningTheTailOfItsOwnBufferKeepsThatTail)
{
    OwnedString text(TEXT("Lexovia"));
    text.Assign(text.Get() + 3);
    EXPECT_EQ(std::u16string(text.Get()), u"ovia");
}

TEST_F(SettingsTest, StringReadTakesTheStoredTextOrTheDefault)
{
    SetString(TEXT("Name"), TEXT("Привет"));
    SetDword(TEXT("Number"), 5);
    OwnedString text(nullptr);
    EXPECT_EQ(ReadRegString(key, TEXT("Name"), text, TEXT("default")), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(text.Get()), u"Привет");
    ReadRegString(key, TEXT("Number"), text, TEXT("default"));
    EXPECT_EQ(std::u16string(text.Get()), u"default");
    EXPECT_EQ(ReadRegString(key, TEXT("Missing"), text, TEXT("x")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(std::u16string(text.Get()), u"x");
}

// A REG_SZ written without its terminator must still read as a terminated text.
TEST_F(SettingsTest, StringWithoutTerminatorIsReadSafely)
{
    const WCHAR raw[] = {u'a', u'b', u'c'};
    ASSERT_EQ(RegSetValueExW(key, TEXT("Raw"), 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), sizeof(raw)),
              ERROR_SUCCESS);
    OwnedString text(nullptr);
    ReadRegString(key, TEXT("Raw"), text, TEXT(""));
    EXPECT_EQ(std::u16string(text.Get()), u"abc");
}

// Half a character is no character: an odd last byte is dropped, and the text
// still ends inside its buffer.
TEST_F(SettingsTest, StringOfAnOddByteCountEndsWithinItsBuffer)
{
    struct Case {
        const char* what;
        std::vector<BYTE> stored;
        std::u16string expected;
    };
    const Case cases[] = {
        {"one byte is no character", {'x'}, u""},
        {"three bytes are one character and a half", {'a', 0, 'B'}, u"a"},
        {"five bytes, the last a stray", {'a', 0, 'b', 0, 'C'}, u"ab"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(RegSetValueExW(key, TEXT("Odd"), 0, REG_SZ, c.stored.data(), static_cast<DWORD>(c.stored.size())),
                  ERROR_SUCCESS);
        OwnedString text(nullptr);
        ReadRegString(key, TEXT("Odd"), text, TEXT("default"));
        EXPECT_EQ(std::u16string(text.Get()), c.expected) << c.what;
    }
}

}  // namespace
