#pragma once

#include <string>
#include <string_view>

namespace corrolab {

// Small text helpers shared by the readers, the lookups and the command line.
// They work on bytes and ignore the locale: names and numbers in this program
// are ASCII, and a byte outside ASCII is kept as it is.

// A blank inside a line: space or tab.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The text without the blanks at either end.
std::string_view Trimmed(std::string_view text);

// ASCII letters in capitals. Names that differ only in the case of ASCII letters
// have the same capitals, so comparing capitals compares ignoring case.
std::string AsciiCapitals(std::string_view text);

} // namespace corrolab
