// The colour classes of characters, beyond those any panel shows.
#include <gtest/gtest.h>

#include "key_colours.h"

TEST(KeyColoursTest, ClassesCharactersAsDigitsSymbolsOrLetters)
{
    const struct {
        WCHAR ch;
        COLORREF colour;
        const char* why;
    } cases[] = {
        {u'0', kDigitColour, "digits are light green"},
        {u'9', kDigitColour, "digits are light green"},
        {u'a', kLetterColour, "ASCII letters are white"},
        {u'Z', kLetterColour, "ASCII letters are white"},
        {0x00, kLetterColour, "character 0 counts as a letter"},
        {0x01, kSymbolColour, "control characters count as symbols"},
        {u' ', kSymbolColour, "the space character is a symbol"},
        {u'+', kSymbolColour, "ASCII punctuation is a symbol"},
        {u'`', kSymbolColour, "ASCII punctuation is a symbol"},
        {0x7F, kSymbolColour, "the last ASCII character is a symbol"},
        {0x80, kLetterColour, "characters past ASCII are letters unless listed"},
        {0xA3, kSymbolColour, "the pound sign is a symbol"},
        {0xA5, kLetterColour, "the yen sign is not listed"},
        {0xB4, kSymbolColour, "the acute accent is a symbol"},
        {0xB5, kLetterColour, "the micro sign counts as a letter"},
        {0xC5, kLetterColour, "accented letters are white"},
        {0xD7, kSymbolColour, "the multiplication sign is a symbol"},
        {0x060C, kSymbolColour, "the Arabic comma is a symbol"},
        {0x20AC, kSymbolColour, "the euro sign is a symbol"},
        {0x2116, kSymbolColour, "the numero sign, the last listed, is a symbol"},
        {0xFFFF, kLetterColour, "characters past the list are letters"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassColour(c.ch), c.colour) << c.why << " (U+" << std::hex << static_cast<int>(c.ch) << ")";
}
