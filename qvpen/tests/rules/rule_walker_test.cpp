// Reading rule text: which entries a walk yields, in what order.
#include <gtest/gtest.h>

#include <ostream>

#include "rule_collector.h"

void PrintTo(const TranslitRule& rule, std::ostream* out)
{
    *out << std::hex << "{" << rule.previous << " " << rule.input << "=" << rule.result << "}";
}

namespace {

struct WalkCase {
    const char* what;
    LPCWSTR text;
    std::vector<TranslitRule> rules;
};

const WalkCase kWalkCases[] = {
    {"an empty text holds no entry", TEXT(""), {}},
    {"a missing text holds no entry", nullptr, {}},
    {"the last entry may lack its semicolon", TEXT("61 5C=E0"), {{0x61, 0x5C, 0xE0}}},
    {"lower-case digits read the same", TEXT("61 5c=e0;"), {{0x61, 0x5C, 0xE0}}},
    {"a single-character rule has 0 before it", TEXT("0 61=430;"), {{0, 0x61, 0x430}}},
    {"a malformed entry between two valid ones is passed over",
     TEXT("61 5C=E0;61 5C;0 61=430;"),
     {{0x61, 0x5C, 0xE0}, {0, 0x61, 0x430}}},
    {"entries keep their order, duplicates included",
     TEXT("61 2D=101;61 2D=E6;61 2D=101;"),
     {{0x61, 0x2D, 0x101}, {0x61, 0x2D, 0xE6}, {0x61, 0x2D, 0x101}}},
    {"empty entries between semicolons are passed over", TEXT(";;0 61=430;;"), {{0, 0x61, 0x430}}},
    {"numbers beyond 16 bits are read as they are", TEXT("1FFFF 61=10041;"), {{0x1FFFF, 0x61, 0x10041}}},
    {"an entry that is not a number yields nothing", TEXT("x 61=430;0 62=431"), {{0, 0x62, 0x431}}},
    {"text after the last semicolon that is not an entry ends the walk", TEXT("0 61=430;junk"), {{0, 0x61, 0x430}}},
    {"a code before beyond 32 bits is read as no character's", TEXT("100000061 5C=E0;"), {{0xFFFFFFFF, 0x5C, 0xE0}}},
    {"a code before that would wrap to 0 stays a two-character rule", TEXT("100000000 5C=E0;"),
     {{0xFFFFFFFF, 0x5C, 0xE0}}},
    {"an input beyond 32 bits is read as no character's", TEXT("0 100000061=E0;"), {{0, 0xFFFFFFFF, 0xE0}}},
    {"a negative code is no character's", TEXT("-FFFFFF9F 5C=E0;"), {{0xFFFFFFFF, 0x5C, 0xE0}}},
    {"leading zeros and a 0x prefix do not count as digits", TEXT("0000000061 0x00000005C=E0;"),
     {{0x61, 0x5C, 0xE0}}},
    {"a result keeps its low bits, all that is sent of it", TEXT("0 61=100000430;"), {{0, 0x61, 0x430}}},
};

TEST(RuleWalkerTest, YieldsEveryEntryThatReadsAsThreeNumbers)
{
    for (const WalkCase& walk : kWalkCases) EXPECT_EQ(RulesOf(walk.text), walk.rules) << walk.what;
}

}  // namespace
