#include <gtest/gtest.h>

#include "input_method_names.h"

TEST(InputMethodNamesTest, NamesAndIdentifiersReadAsTheSameInputMethod)
{
    struct Case {
        const char* word;
        const char* name;  // as messages show it
    };
    const Case cases[] = {
        {"keyboard", "keyboard"},
        {"{42429667-AE04-11D0-A4F8-00AA00A749B9}", "keyboard"},
        {"finkeys", "finkeys"},
        {"{42112d3e-cda6-4aab-931e-ce2104f07c21}", "finkeys"},
        {"qvpen", "qvpen"},
        {"{715587FD-C4DA-41DA-A504-0BE8D297D0AD}", "qvpen"},
        {"{6b1d2f40-7c3a-4e5b-9a8c-0d1e2f3a4b5c}", "{6B1D2F40-7C3A-4E5B-9A8C-0D1E2F3A4B5C}"},
    };
    for (const Case& c : cases) {
        Parsed<CLSID> clsid = ParseInputMethod({c.word, false});
        ASSERT_TRUE(clsid) << c.word << ": " << clsid.error();
        EXPECT_EQ(InputMethodName(*clsid), c.name) << c.word;
    }
}

TEST(InputMethodNamesTest, AnythingElseIsRefusedWithTheFormsThatAreKnown)
{
    for (const char* word : {"Keyboard", "finkeys.dll", "{42429667-AE04-11D0-A4F8-00AA00A749B}",
                             "42429667-AE04-11D0-A4F8-00AA00A749B9", "{}", ""}) {
        Parsed<CLSID> clsid = ParseInputMethod({word, false});
        ASSERT_FALSE(clsid) << word;
        EXPECT_NE(clsid.error().find("write finkeys, qvpen, keyboard or a class identifier"), std::string::npos)
            << clsid.error();
    }
}
