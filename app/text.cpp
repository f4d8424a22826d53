#include "app/text.h"

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

std::string OneLine(std::string_view message)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (c == '\t')
            line += "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            line += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        else
            line += c;
    }
    return line;
}

} // namespace corrolab
