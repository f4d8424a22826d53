#include "base/text.h"

#include <algorithm>
#include <vector>

namespace corrolab {

namespace {

std::string_view TrimmedOf(std::string_view text, bool (*drops)(char))
{
    while (!text.empty() && drops(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && drops(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    // The optimal-string-alignment distance, three rows of the table at a time.
    const std::string x = AsciiLowerCase(a);
    const std::string y = AsciiLowerCase(b);
    std::vector<std::size_t> before(y.size() + 1), previous(y.size() + 1), row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j)
        previous[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t cost = x[i - 1] == y[j - 1] ? 0 : 1;
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(row);
    }
    return previous[y.size()];
}

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::string_view Trimmed(std::string_view text)
{
    return TrimmedOf(text, IsBlank);
}

std::string_view TrimmedWhiteSpace(std::string_view text)
{
    return TrimmedOf(text, IsWhiteSpace);
}

std::string AsciiCapitals(std::string_view text)
{
    std::string capitals(text);
    for (char& c : capitals)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return capitals;
}

std::string AsciiLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

namespace {

// The length of the UTF-8 character starting at `pos`, 0 when the bytes there
// are no well-formed character.
size_t Utf8Length(std::string_view text, size_t pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (pos + length > text.size() || byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    return length;
}

void AppendEscape(std::string& line, unsigned char byte)
{
    static constexpr char kHex[] = "0123456789abcdef";
    line += "\\x";
    line += kHex[byte >> 4];
    line += kHex[byte & 15];
}

} // namespace

std::string OneLine(std::string_view text, std::size_t limit)
{
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        std::string piece;
        size_t used = 1;
        if (c == '\n')
            piece = "\\n";
        else if (c == '\r')
            piece = "\\r";
        else if (c == '\t')
            piece = "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            AppendEscape(piece, byte);
        else if (byte < 0x80)
            piece = c;
        else if (const size_t length = Utf8Length(text, pos); length == 0)
            AppendEscape(piece, byte);
        else if (byte == 0xC2 && static_cast<unsigned char>(text[pos + 1]) < 0xA0) {
            // A C1 control such as CSI (U+009B), which terminals obey as ESC [.
            AppendEscape(piece, byte);
            AppendEscape(piece, static_cast<unsigned char>(text[pos + 1]));
            used = 2;
        } else {
            piece = text.substr(pos, length);
            used = length;
        }
        if (line.size() + piece.size() > limit)
            return line + "...";
        line += piece;
        pos += used;
    }
    return line;
}

} // namespace corrolab
