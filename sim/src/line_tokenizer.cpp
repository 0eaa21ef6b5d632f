#include "line_tokenizer.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include <device/text.h>

namespace {

const char kUnterminated[] = "unterminated string: the closing \" is missing";

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

bool EndsWord(char c) { return IsSpace(c) || c == '#'; }

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// Reads one line left to right; the first error ends the reading.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    Parsed<ScriptLine> Run(int number)
    {
        ScriptLine line{number, !text_.empty() && IsSpace(text_.front()), {}, {}};
        size_t start = SkipSpace();
        size_t end = start;
        while (pos_ < text_.size() && text_[pos_] != '#') {
            bool read = text_[pos_] == '"' ? ReadQuoted(line.words) : ReadBare(line.words);
            if (!read) return Parsed<ScriptLine>::Failure(error_);
            end = pos_;
            SkipSpace();
        }
        line.source = std::string(text_.substr(start, end - start));
        return line;
    }

private:
    size_t SkipSpace()
    {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
        return pos_;
    }

    bool Fail(std::string message)
    {
        error_ = std::move(message);
        return false;
    }

    bool ReadBare(std::vector<ScriptWord>& words)
    {
        size_t start = pos_;
        while (pos_ < text_.size() && !EndsWord(text_[pos_])) {
            if (text_[pos_] == '"') return Fail("a quote inside a word: put the whole word in quotes");
            ++pos_;
        }
        words.push_back({std::string(text_.substr(start, pos_ - start)), false});
        return true;
    }

    bool ReadQuoted(std::vector<ScriptWord>& words)
    {
        std::string out;
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            if (text_[pos_] != '\\') {
                out.push_back(text_[pos_++]);
            } else if (!ReadEscape(out)) {
                return false;
            }
        }
        if (pos_ >= text_.size()) return Fail(kUnterminated);
        ++pos_;
        if (pos_ < text_.size() && !EndsWord(text_[pos_]))
            return Fail("text right after a closing quote: leave a space between words");
        words.push_back({out, true});
        return true;
    }

    bool ReadEscape(std::string& out)
    {
        if (pos_ + 1 >= text_.size()) return Fail(kUnterminated);
        char kind = text_[pos_ + 1];
        pos_ += 2;
        switch (kind) {
        case '"': out.push_back('"'); return true;
        case '\\': out.push_back('\\'); return true;
        case 'n': out.push_back('\n'); return true;
        case 't': out.push_back('\t'); return true;
        case 'u': return ReadUnicodeEscape(out);
        default:
            return Fail(std::string("unknown escape \\") + kind + " (known: \\\" \\\\ \\n \\t \\uXXXX)");
        }
    }

    std::optional<char32_t> ReadCodeUnit()
    {
        unsigned unit = 0;
        const char* first = text_.data() + pos_;
        const char* last = first + std::min<size_t>(4, text_.size() - pos_);
        auto [end, ec] = std::from_chars(first, last, unit, 16);
        if (ec != std::errc() || end != first + 4) {
            Fail("\\u needs four hex digits, e.g. \\u0416");
            return std::nullopt;
        }
        pos_ += 4;
        return unit;
    }

    // \uXXXX after the \u; a surrogate pair is written as two escapes.
    bool ReadUnicodeEscape(std::string& out)
    {
        std::optional<char32_t> unit = ReadCodeUnit();
        if (!unit) return false;
        if (*unit == 0) return Fail("\\u0000 is not allowed: text ends at a zero character");
        std::u16string units(1, static_cast<char16_t>(*unit));
        if (IsHighSurrogate(*unit)) {
            if (text_.substr(pos_, 2) != "\\u") return Fail("unpaired surrogate in \\u escape");
            pos_ += 2;
            std::optional<char32_t> low = ReadCodeUnit();
            if (!low) return false;
            if (!IsLowSurrogate(*low)) return Fail("unpaired surrogate in \\u escape");
            units.push_back(static_cast<char16_t>(*low));
        } else if (IsLowSurrogate(*unit)) {
            return Fail("unpaired surrogate in \\u escape");
        }
        out += device::Utf8(units);
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::string error_;
};

// Where a row's comment starts (or its end), or nothing when a quote is left open.
std::optional<size_t> RowEnd(std::string_view text)
{
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (quoted && text[i] == '\\') {
            ++i;
        } else if (text[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && text[i] == '#') {
            return i;
        }
    }
    if (quoted) return std::nullopt;
    return text.size();
}

// A zero byte or malformed UTF-8 would reach the device as a different name
// (cut short at the zero): the line is refused, where it goes wrong.
std::optional<std::string> TextProblem(std::string_view text)
{
    std::optional<device::TextFault> fault = device::FindTextFault(text);
    if (!fault) return std::nullopt;
    return "byte " + std::to_string(fault->offset + 1) + " of the line is not text: " + fault->what +
           " (scripts are UTF-8 without zero bytes)";
}

}  // namespace

Parsed<ScriptLine> TokenizeLine(std::string_view text, int number)
{
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (std::optional<std::string> problem = TextProblem(text)) return Parsed<ScriptLine>::Failure(*problem);
    return Tokenizer(text).Run(number);
}

Parsed<ScriptLine> TokenizeRow(std::string_view text, int number)
{
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (std::optional<std::string> problem = TextProblem(text)) return Parsed<ScriptLine>::Failure(*problem);
    std::optional<size_t> end = RowEnd(text);
    if (!end) return Parsed<ScriptLine>::Failure(kUnterminated);
    std::string_view row = text.substr(0, *end);
    size_t first = row.find_first_not_of(" \t");
    size_t last = row.find_last_not_of(" \t");
    std::string source(first == std::string_view::npos ? "" : row.substr(first, last - first + 1));
    Parsed<ScriptLine> words = Tokenizer(source).Run(number);
    return ScriptLine{number, !text.empty() && IsSpace(text.front()), source,
                      words ? words->words : std::vector<ScriptWord>{}};
}

bool IsIndented(std::string_view text) { return !text.empty() && (text.front() == ' ' || text.front() == '\t'); }
