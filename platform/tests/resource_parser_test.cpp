#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "resources/resource_parser.h"

using platform::resources::ParseResources;
using platform::resources::ParsedResources;
using platform::resources::ResourceId;

namespace {

void PutWord(std::vector<BYTE>& out, WORD value)
{
    out.push_back(static_cast<BYTE>(value));
    out.push_back(static_cast<BYTE>(value >> 8));
}

void PutDword(std::vector<BYTE>& out, DWORD value)
{
    PutWord(out, static_cast<WORD>(value));
    PutWord(out, static_cast<WORD>(value >> 16));
}

void PutId(std::vector<BYTE>& out, const ResourceId& id)
{
    if (const WORD* ordinal = std::get_if<WORD>(&id.value)) {
        PutWord(out, 0xFFFF);
        PutWord(out, *ordinal);
        return;
    }
    for (char16_t c : std::get<std::u16string>(id.value)) PutWord(out, c);
    PutWord(out, 0);
}

void PadTo4(std::vector<BYTE>& out)
{
    while (out.size() % 4) out.push_back(0);
}

// One entry as the resource compiler writes it, padded to four bytes.
std::vector<BYTE> Entry(const ResourceId& type, const ResourceId& name, WORD language, std::vector<BYTE> data)
{
    std::vector<BYTE> header;
    PutId(header, type);
    PutId(header, name);
    PadTo4(header);
    PutDword(header, 0);       // data version
    PutWord(header, 0x1030);   // memory flags
    PutWord(header, language);
    PutDword(header, 0);       // version
    PutDword(header, 0);       // characteristics
    std::vector<BYTE> entry;
    PutDword(entry, static_cast<DWORD>(data.size()));
    PutDword(entry, static_cast<DWORD>(header.size() + 8));
    entry.insert(entry.end(), header.begin(), header.end());
    entry.insert(entry.end(), data.begin(), data.end());
    PadTo4(entry);
    return entry;
}

std::vector<BYTE> Marker() { return Entry({WORD{0}}, {WORD{0}}, 0, {}); }

const ResourceId kBitmapType{WORD{2}};

// The marker, a bitmap by ordinal (data of 3 bytes, so padded), and a
// resource whose type and name are strings.
std::vector<BYTE> SampleFile()
{
    std::vector<BYTE> file = Marker();
    for (const std::vector<BYTE>& entry :
         {Entry(kBitmapType, {WORD{503}}, 0x0419, {1, 2, 3}), Entry({u"CUSTOM"}, {u"Greeting"}, 0x0409, {9, 8, 7, 6})})
        file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

ParsedResources ParseCopy(std::vector<BYTE> bytes)
{
    // An exact-size copy: the sanitizer catches any read past its end.
    std::vector<BYTE> exact(bytes.begin(), bytes.end());
    exact.shrink_to_fit();
    ParsedResources parsed = ParseResources(exact);
    for (auto& record : parsed.records) record.data = {};  // the copy goes away
    return parsed;
}

}  // namespace

TEST(ResourceParserTest, ReadsOrdinalAndNamedEntriesInFileOrderWithoutTheMarker)
{
    std::vector<BYTE> file = SampleFile();
    ParsedResources parsed = ParseResources(file);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_TRUE(parsed.records[0].type.Matches(kBitmapType));
    EXPECT_TRUE(parsed.records[0].name.Matches({WORD{503}}));
    EXPECT_EQ(parsed.records[0].language, 0x0419);
    EXPECT_EQ(std::vector<BYTE>(parsed.records[0].data.begin(), parsed.records[0].data.end()),
              (std::vector<BYTE>{1, 2, 3}));
    EXPECT_TRUE(parsed.records[1].type.Matches({u"custom"}));
    EXPECT_TRUE(parsed.records[1].name.Matches({u"GREETING"}));
    EXPECT_EQ(parsed.records[1].data.size(), 4u);
}

TEST(ResourceParserTest, ReadsWhatTheResourceCompilerWrote)
{
    std::ifstream file(TEST_LANGUAGE_FILE, std::ios::binary);
    std::vector<BYTE> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ParsedResources parsed = ParseResources(bytes);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.records.size(), 2u) << "string blocks 7 and 2309";
    EXPECT_TRUE(parsed.records[0].type.Matches({WORD{6}}));
    EXPECT_TRUE(parsed.records[0].name.Matches({WORD{7}}));
    EXPECT_EQ(parsed.records[0].language, 0x0419);
    EXPECT_TRUE(parsed.records[1].name.Matches({WORD{2309}}));
}

TEST(ResourceParserTest, RejectsCorruptFilesWithTheReason)
{
    const size_t firstEntry = Marker().size();
    struct Case {
        const char* corruption;
        std::function<void(std::vector<BYTE>&)> corrupt;
        const char* reason;
    };
    auto setDword = [](size_t at, DWORD value) {
        return [=](std::vector<BYTE>& bytes) { std::memcpy(bytes.data() + at, &value, sizeof value); };
    };
    const Case cases[] = {
        {"empty file", [](std::vector<BYTE>& bytes) { bytes.clear(); }, "sizes are cut short"},
        {"no marker first", [&](std::vector<BYTE>& bytes) { bytes.erase(bytes.begin(), bytes.begin() + firstEntry); },
         "empty first entry is missing"},
        {"header size too small", setDword(firstEntry + 4, 16), "not a whole header"},
        {"header size not a multiple of four", setDword(firstEntry + 4, 34), "not a whole header"},
        {"header size past the end", setDword(firstEntry + 4, 0x7FFFFFF0), "runs past the end"},
        {"header size larger than its fields", setDword(firstEntry + 4, 36), "does not match its fields"},
        {"data size past the end", setDword(firstEntry, 0xFFFFFFFF), "data size 4294967295 runs past the end"},
        {"name without its terminator",
         [&](std::vector<BYTE>& bytes) {
             size_t second = firstEntry + Entry(kBitmapType, {WORD{503}}, 0x0419, {1, 2, 3}).size();
             // The name "Greeting" follows the type "CUSTOM"; fill from it to
             // the header's end (56 bytes) so that no terminator is left.
             for (size_t at = second + 8 + 14; at < second + 56; ++at) bytes[at] = 'x';
         },
         "runs past the header"},
        {"trailing bytes", [](std::vector<BYTE>& bytes) { bytes.insert(bytes.end(), {1, 2, 3, 4, 5}); },
         "sizes are cut short"},
    };
    for (const Case& test : cases) {
        std::vector<BYTE> bytes = SampleFile();
        test.corrupt(bytes);
        ParsedResources parsed = ParseCopy(bytes);
        EXPECT_TRUE(parsed.records.empty()) << test.corruption << ": no records from a corrupt file";
        EXPECT_NE(parsed.error.find(test.reason), std::string::npos)
            << test.corruption << ": the error should say \"" << test.reason << "\", says \"" << parsed.error << "\"";
    }
}

TEST(ResourceParserTest, EveryTruncationFailsUnlessItFallsBetweenEntries)
{
    std::vector<BYTE> file = SampleFile();
    const size_t marker = Marker().size();
    const size_t bitmapEnd = marker + Entry(kBitmapType, {WORD{503}}, 0x0419, {1, 2, 3}).size();
    const std::set<size_t> wholeEntries = {marker, bitmapEnd - 1, bitmapEnd, file.size()};
    for (size_t length = 0; length <= file.size(); ++length) {
        ParsedResources parsed = ParseCopy({file.begin(), file.begin() + static_cast<long>(length)});
        EXPECT_EQ(parsed.error.empty(), wholeEntries.count(length) == 1)
            << "cut to " << length << " bytes: " << parsed.error;
    }
}

TEST(ResourceParserTest, RefusesMoreRecordsThanHandlesCanName)
{
    std::vector<BYTE> file = Marker();
    std::vector<BYTE> entry = Entry({WORD{10}}, {WORD{1}}, 0, {});
    for (int i = 0; i < 0xFFFF; ++i) file.insert(file.end(), entry.begin(), entry.end());
    ParsedResources parsed = ParseResources(file);
    EXPECT_TRUE(parsed.records.empty());
    EXPECT_NE(parsed.error.find("more resources than a module can hold"), std::string::npos) << parsed.error;
}
