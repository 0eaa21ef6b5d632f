#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "container_format.h"
#include "container_packer.h"
#include "container_reader.h"

using namespace mui_container;

TEST(Container, AHeaderHasOnlyTheFirstByteOfEachWordChanged)
{
    std::string stored = EntryBytes("a.mui", "wxyz");
    ASSERT_EQ(stored.size(), 64u);
    std::string expected(60, '\0');
    expected.replace(0, 5, "a.mui");
    expected[52] = static_cast<char>(0x80);
    expected[56] = 4;
    for (size_t at = 0; at < 60; at += 4) expected[at] ^= 0x3C;
    EXPECT_EQ(stored.substr(0, 60), expected);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0x5D);
    EXPECT_EQ(static_cast<unsigned char>(stored[4]), 0x55);
    EXPECT_EQ(static_cast<unsigned char>(stored[52]), 0xBC);
    EXPECT_EQ(static_cast<unsigned char>(stored[56]), 0x38);
    EXPECT_EQ(stored.substr(60), std::string("\x73xyz"));
    // Six data bytes: one whole word with the length, two bytes as they are.
    EXPECT_EQ(EntryBytes("b", "abcdef").substr(60), "gbcdef");
}

TEST(Container, ReadingStopsAtTheFirstFaultAndNamesItsOffset)
{
    struct Case {
        const char* what;
        std::string bytes;
        size_t sound;
        std::optional<uint64_t> faultAt;
    };
    const std::string two = EntryBytes("one.mui", "1") + EntryBytes("two.mui", "22");
    const Case cases[] = {
        {"sound", two, 2, std::nullopt},
        {"empty", "", 0, std::nullopt},
        {"trailing bytes", two + "abc", 2, 123},
        {"data cut short", two + EntryHeader("cut.mui", 0x80, 10) + "12345", 2, 123},
        {"a name that climbs", EntryBytes("one.mui", "1") + EntryBytes("..\\x", ""), 1, 61},
        {"an unterminated name", EntryBytes(std::string(52, 'n'), ""), 0, 0},
        {"an empty name", EntryBytes("", "x"), 0, 0},
    };
    for (const Case& c : cases) {
        Contents contents = ReadContainer(c.bytes);
        EXPECT_EQ(contents.entries.size(), c.sound) << c.what;
        EXPECT_EQ(contents.damage ? std::optional<uint64_t>(contents.damage->offset) : std::nullopt, c.faultAt)
            << c.what;
    }
    Contents contents = ReadContainer(two);
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[1].offset, 61u);
    EXPECT_EQ(contents.entries[1].name, "two.mui");
    EXPECT_EQ(contents.entries[1].data, "22");
    EXPECT_EQ(contents.entries[1].attributes, 0x80u);
}

TEST(Container, AFolderPacksInNameOrderAndReadsBack)
{
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / ("mui_pack_test_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* name : {"b.mui", "a.mui"}) std::ofstream(folder / name) << "content of " << name;

    Packed packed = PackFolder(folder);
    ASSERT_FALSE(packed.error) << *packed.error;
    Contents contents = ReadContainer(packed.bytes);
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[0].name, "a.mui");
    EXPECT_EQ(contents.entries[1].data, "content of b.mui");

    fs::create_directory(folder / "sub");
    packed = PackFolder(folder);
    ASSERT_TRUE(packed.error);
    EXPECT_NE(packed.error->find("sub: not a file"), std::string::npos) << *packed.error;
    fs::remove_all(folder);
}
