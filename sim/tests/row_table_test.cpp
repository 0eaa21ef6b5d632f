#include <gtest/gtest.h>

#include "row_table.h"

namespace {

std::vector<ExpectedRow> Rows(std::initializer_list<const char*> sources)
{
    std::vector<ExpectedRow> rows;
    for (const char* source : sources) rows.push_back(ReadExpectedRow(source));
    return rows;
}

}  // namespace

TEST(RowTableTest, OptionalRowsArePassedOverOnlyWhenTheRecordedRowDiffers)
{
    struct Case {
        std::vector<ExpectedRow> expected;
        std::vector<std::string> found;
        bool matches;
    };
    const Case cases[] = {
        {Rows({"a", "b"}), {"a", "b"}, true},
        {Rows({"a", "? x", "b"}), {"a", "b"}, true},
        {Rows({"a", "?x"}), {"a", "x"}, true},
        {Rows({"a", "? x"}), {"a"}, true},
        {Rows({"a", "b"}), {"a"}, false},
        {Rows({"a"}), {"a", "b"}, false},
        {Rows({"a", "b"}), {"b", "a"}, false},
        {Rows({"? a"}), {"a", "a"}, false},
    };
    for (const Case& c : cases) {
        std::optional<std::string> mismatch = CompareRows(c.expected, c.found);
        EXPECT_EQ(!mismatch, c.matches) << "rows beginning " << c.expected.front().text << ": "
                                        << mismatch.value_or("");
    }
}

TEST(RowTableTest, AMismatchShowsBothColumnsWithTheFirstDifferenceMarked)
{
    std::optional<std::string> mismatch =
        CompareRows(Rows({"SendVirtualKey(0x10, 0x0)", "? SetImInfo({0, 0, 0, 0}, 0x3)", "SendString(\"ab\", 2)"}),
                    std::vector<std::string>{"SendVirtualKey(0x10, 0x0)", "SendString(\"ac\", 2)", "extra"});
    ASSERT_TRUE(mismatch);
    EXPECT_EQ(*mismatch,
              "differ from row 3 on:\n"
              "       expected                       | found\n"
              "     1 SendVirtualKey(0x10, 0x0)      | SendVirtualKey(0x10, 0x0)\n"
              "     2 ? SetImInfo({0, 0, 0, 0}, 0x3) | \n"
              ">    3 SendString(\"ab\", 2)            | SendString(\"ac\", 2)\n"
              "     4                                | extra\n");
}
