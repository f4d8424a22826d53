#include "base/text.h"

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

std::string OneLine(std::string_view message, std::size_t longest)
{
    static constexpr char kHex[] = "0123456789abcdef";
    static constexpr std::string_view kCut = "...";
    const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; };
    std::string line;
    std::size_t cut = 0; // the longest prefix of whole characters that leaves room for "..."
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char c = message[i];
        const auto byte = static_cast<unsigned char>(c);
        std::string piece(1, c);
        if (c == '\n')
            piece = "\\n";
        else if (c == '\r')
            piece = "\\r";
        else if (c == '\t')
            piece = "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            piece = std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        if (line.size() + piece.size() > longest) {
            line.resize(cut);
            return line + std::string(kCut);
        }
        line += piece;
        const bool whole = i + 1 == message.size() || !continues(message[i + 1]);
        if (whole && line.size() + kCut.size() <= longest)
            cut = line.size();
    }
    return line;
}

} // namespace corrolab
