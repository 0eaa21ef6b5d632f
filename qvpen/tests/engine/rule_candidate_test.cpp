// Which entry applies to a character after another: the later of two
// conflicting entries, a two-character entry over a single-character one.
#include <gtest/gtest.h>

#include "rule_candidate.h"

namespace {

// The context after the recogniser reported FIRST and then SECOND, FIRST
// having passed through unchanged.
TranslitContext After(WCHAR first, WCHAR second)
{
    TranslitContext context;
    UINT characters[] = {first, second};
    context.CharacterDown(1, &characters[0]);
    context.PassedThrough();
    context.CharacterDown(1, &characters[1]);
    return context;
}

struct CandidateCase {
    const char* what;
    LPCWSTR table;
    WCHAR first;
    WCHAR second;
    UINT result;  // 0: no entry applies
};

const CandidateCase kCases[] = {
    {"the later of two conflicting entries wins", TEXT("61 2D=101;61 2D=E6;"), u'a', u'-', 0xE6},
    {"a single-character entry never displaces a two-character one", TEXT("61 2D=101;0 2D=2014;"), u'a', u'-',
     0x101},
    {"a two-character entry displaces a single-character one", TEXT("0 2D=2014;61 2D=101;"), u'a', u'-', 0x101},
    {"a single-character entry applies after anything", TEXT("0 2D=2014;"), u'x', u'-', 0x2014},
    {"an entry after another character does not apply", TEXT("62 2D=101;"), u'a', u'-', 0},
    {"an entry whose input is 0 never applies", TEXT("0 0=41;"), u'a', u'\0', 0},
    {"a code beyond 16 bits never matches", TEXT("10061 2D=101;0 1002D=2014;"), u'a', u'-', 0},
    {"a code beyond 32 bits never matches", TEXT("100000061 2D=101;0 10000002D=2014;"), u'a', u'-', 0},
    {"nor does one whose low 32 bits are 0", TEXT("100000000 2D=101;"), u'a', u'-', 0},
    {"a result beyond 16 bits is kept for the sender to cut", TEXT("0 2D=12014;"), u'a', u'-', 0x12014},
};

TEST(RuleCandidateTest, ChoosesTheLastMatchingTwoCharacterEntryElseTheLastSingleOne)
{
    for (const CandidateCase& one : kCases) {
        TranslitRule found = {};
        bool applies = FindCandidate(one.table, After(one.first, one.second), found);
        EXPECT_EQ(applies ? found.result : 0, one.result) << one.what;
    }
}

}  // namespace
