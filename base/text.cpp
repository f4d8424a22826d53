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

} // namespace corrolab
