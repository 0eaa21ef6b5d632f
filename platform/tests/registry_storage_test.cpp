#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <windows.h>

#include "fresh_device.h"
#include "registry/key_path.h"
#include "registry/key_store.h"
#include "registry/registry_store.h"
#include "registry/root_keys.h"
#include "registry/sqlite_transaction.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed with it.
class RegistryStorageTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        char pattern[] = "/tmp/lexovia-registry-test-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        folder_ = pattern;
    }

    void TearDown() override
    {
        FreshDevice::TearDown();
        fs::remove_all(folder_);
    }

    std::string Image(const char* name) const { return (folder_ / name).string(); }

private:
    fs::path folder_;
};

const DWORD kValue = 0x1234;

void WriteProductValue()
{
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, u"KbdEnabled", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kValue), 4),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// The product value as the attached registry holds it, or the error reading it.
LONG ReadProductValue(DWORD& value)
{
    HKEY key = nullptr;
    LONG error = RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Tarvex\\Lexovia", 0, 0, &key);
    if (error != ERROR_SUCCESS) return error;
    DWORD size = sizeof value;
    error = RegQueryValueExW(key, u"KbdEnabled", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return error;
}

}  // namespace

TEST_F(RegistryStorageTest, ValuesSurviveClosingAndReopeningTheImage)
{
    ASSERT_TRUE(device::OpenImage(Image("device")));
    WriteProductValue();
    device::Close();

    ASSERT_TRUE(device::OpenImage(Image("device")));
    DWORD value = 0;
    EXPECT_EQ(ReadProductValue(value), ERROR_SUCCESS);
    EXPECT_EQ(value, kValue);
}

TEST_F(RegistryStorageTest, HandlesFromBeforeADetachAreInvalidAfterIt)
{
    ASSERT_TRUE(device::OpenImage(Image("device")));
    HKEY nls = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"nls", 0, 0, &nls), ERROR_SUCCESS);
    device::Close();
    ASSERT_TRUE(device::OpenImage(Image("device")));
    EXPECT_EQ(RegQueryValueExW(nls, u"DefaultLCID", nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nls), ERROR_INVALID_HANDLE);
}

// The database file alone, without its write-ahead log, holds only what has
// been flushed: a copy of it shows what a power cut would leave.
TEST_F(RegistryStorageTest, FlushWritesCommittedChangesIntoTheDatabaseFile)
{
    ASSERT_TRUE(device::OpenImage(Image("device")));
    WriteProductValue();
    fs::create_directories(Image("before-flush"));
    fs::copy_file(Image("device/registry.db"), Image("before-flush/registry.db"));
    ASSERT_EQ(RegFlushKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    fs::create_directories(Image("after-flush"));
    fs::copy_file(Image("device/registry.db"), Image("after-flush/registry.db"));
    device::Close();

    DWORD value = 0;
    ASSERT_TRUE(device::OpenImage(Image("before-flush")));
    EXPECT_EQ(ReadProductValue(value), ERROR_FILE_NOT_FOUND) << "not flushed yet, so not in the file";
    ASSERT_TRUE(device::OpenImage(Image("after-flush")));
    EXPECT_EQ(ReadProductValue(value), ERROR_SUCCESS) << "flushed, so in the file";
    EXPECT_EQ(value, kValue);
}

// Another process on the same image (bootsip) has a connection of its own.
TEST_F(RegistryStorageTest, AnotherConnectionSeesEachCommitAtOnce)
{
    using namespace platform::registry;
    ASSERT_TRUE(device::OpenImage(Image("device")));
    std::unique_ptr<KeyStore> other = KeyStore::Open(Image("device/registry.db"));
    ASSERT_TRUE(other);

    WriteProductValue();
    KeyId key = FindRoot(HKEY_CURRENT_USER)->id;
    StoredValue seen;
    for (const std::u16string& name : SplitKeyPath(u"software\\tarvex\\lexovia"))
        ASSERT_EQ(other->FindChild(key, name, key), ERROR_SUCCESS);
    ASSERT_EQ(other->FindValue(key, u"kbdenabled", seen), ERROR_SUCCESS);
    EXPECT_EQ(seen.data.size(), 4u);

    {
        SqliteTransaction transaction(other->Connection(), TransactionKind::Write);
        const DWORD changed = 1;
        ASSERT_EQ(other->PutValue(key, u"KbdEnabled", REG_DWORD, reinterpret_cast<const BYTE*>(&changed), 4),
                  ERROR_SUCCESS);
        ASSERT_EQ(transaction.Commit(), SQLITE_OK);
    }
    DWORD value = 0;
    EXPECT_EQ(ReadProductValue(value), ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);
}

TEST_F(RegistryStorageTest, NamesFoldedUnderOtherCaseRulesAreFoldedAgainWhenAttached)
{
    ASSERT_TRUE(device::OpenImage(Image("device")));
    WriteProductValue();
    device::Close();
    {
        // As an image written while towlower left capitals alone.
        int result = SQLITE_OK;
        auto connection = platform::registry::SqliteConnection::Open(Image("device/registry.db"), result);
        ASSERT_TRUE(connection);
        ASSERT_EQ(connection->Execute("UPDATE keys SET folded = name; UPDATE key_values SET folded = name;"
                                      "UPDATE registry_info SET case_rules = 0"),
                  SQLITE_OK);
    }
    ASSERT_TRUE(device::OpenImage(Image("device")));
    DWORD value = 0;
    EXPECT_EQ(ReadProductValue(value), ERROR_SUCCESS);
}

TEST_F(RegistryStorageTest, AFileThatIsNotARegistryIsRefused)
{
    device::Close();
    std::ofstream(Image("registry.db")) << "not a database, only text";
    EXPECT_FALSE(platform::registry::Attach(Image("registry.db")));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"nls", 0, 0, &key), ERROR_INVALID_HANDLE)
        << "no registry attached: no key can be reached";
}

namespace {

std::u16string ValueNameAt(HKEY key, DWORD index)
{
    WCHAR name[32];
    DWORD length = 32;
    if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return u"-";
    return name;
}

}  // namespace

// A walk through the values continues where it stopped; any change to the
// database, from this process or another, must restart the count.
TEST_F(RegistryStorageTest, ValueWalkFollowsChangesMadeDuringIt)
{
    using namespace platform::registry;
    ASSERT_TRUE(device::OpenImage(Image("device")));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Walk", 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    const DWORD zero = 0;
    for (const char16_t* name : {u"a", u"b", u"c", u"d"})
        ASSERT_EQ(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4), ERROR_SUCCESS);

    EXPECT_EQ(ValueNameAt(key, 0), u"a");
    EXPECT_EQ(ValueNameAt(key, 1), u"b");
    ASSERT_EQ(RegDeleteValueW(key, u"a"), ERROR_SUCCESS);
    EXPECT_EQ(ValueNameAt(key, 2), u"d") << "after a deletion, index 2 is the third value left";
    EXPECT_EQ(ValueNameAt(key, 0), u"b");
    EXPECT_EQ(ValueNameAt(key, 1), u"c");

    std::unique_ptr<KeyStore> other = KeyStore::Open(Image("device/registry.db"));
    ASSERT_TRUE(other);
    KeyId walk = 0;
    ASSERT_EQ(other->FindChild(FindRoot(HKEY_CURRENT_USER)->id, u"walk", walk), ERROR_SUCCESS);
    {
        SqliteTransaction transaction(other->Connection(), TransactionKind::Write);
        ASSERT_EQ(other->RemoveValue(walk, u"b"), ERROR_SUCCESS);
        ASSERT_EQ(transaction.Commit(), SQLITE_OK);
    }
    EXPECT_EQ(ValueNameAt(key, 2), u"-") << "another process removed b: only c and d are left";
    RegCloseKey(key);
}
