#include "text_art.h"

#include <charconv>
#include <map>
#include <sstream>

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.remove_suffix(1);
    return s;
}

struct Reader {
    DibSpec bitmap{0, 0, 0, false, {}, {}};
    std::map<char, COLORREF> colours;
    std::map<char, uint32_t> paletteIndex;
    std::string error;

    bool ReadBits(std::string_view value)
    {
        int bits = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), bits);
        if (ec != std::errc() || end != value.data() + value.size() ||
            (bits != 1 && bits != 4 && bits != 8 && bits != 24))
            return Fail("bits must be 1, 4, 8 or 24");
        bitmap.bitsPerPixel = bits;
        return true;
    }

    bool ReadColour(std::string_view value)
    {
        unsigned rgb = 0;
        std::string_view digits = value.size() > 2 ? value.substr(2) : std::string_view();
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), rgb, 16);
        if (value.size() != 8 || value[1] != ' ' || ec != std::errc() || end != digits.data() + digits.size())
            return Fail("a colour is written: colour <character> RRGGBB");
        char symbol = value[0];
        if (colours.count(symbol)) return Fail(std::string("colour given twice: ") + symbol);
        colours[symbol] = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        paletteIndex[symbol] = static_cast<uint32_t>(bitmap.palette.size());
        bitmap.palette.push_back(colours[symbol]);
        return true;
    }

    bool ReadRow(std::string_view row)
    {
        if (bitmap.height > 0 && static_cast<int>(row.size()) != bitmap.width)
            return Fail("rows differ in width");
        bitmap.width = static_cast<int>(row.size());
        for (char symbol : row) {
            if (!colours.count(symbol)) return Fail(std::string("no colour for '") + symbol + "'");
            bitmap.pixels.push_back(bitmap.bitsPerPixel == 24 ? colours[symbol] : paletteIndex[symbol]);
        }
        ++bitmap.height;
        return true;
    }

    bool ReadLine(std::string_view line)
    {
        if (line.empty() || line.front() == '#') return true;
        if (line.starts_with("bits ")) return ReadBits(line.substr(5));
        if (line.starts_with("colour ")) return ReadColour(line.substr(7));
        if (line.size() < 2 || line.front() != '|' || line.back() != '|')
            return Fail("a row is written between bars: |..##..|");
        if (bitmap.bitsPerPixel == 0) return Fail("bits come before the pixels");
        return ReadRow(line.substr(1, line.size() - 2));
    }

    bool Finish()
    {
        if (bitmap.height == 0) return Fail("no pixels");
        if (bitmap.bitsPerPixel == 24) bitmap.palette.clear();
        if (bitmap.bitsPerPixel < 24 && bitmap.palette.size() > (1u << bitmap.bitsPerPixel))
            return Fail("more colours than the depth holds");
        return true;
    }

    bool Fail(const std::string& message)
    {
        error = message;
        return false;
    }
};

}  // namespace

TextArt ReadTextArt(std::string_view text)
{
    Reader reader;
    int number = 0;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!reader.ReadLine(Trim(line))) return {{}, "line " + std::to_string(number) + ": " + reader.error};
    }
    if (!reader.Finish()) return {{}, reader.error};
    return {reader.bitmap, ""};
}
