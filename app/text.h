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

// ASCII white space: blanks, line breaks, vertical tab and form feed.
constexpr bool IsWhiteSpace(char c)
{
    return IsBlank(c) || IsLineBreak(c) || c == '\v' || c == '\f';
}

// The text without the blanks at either end.
std::string_view Trimmed(std::string_view text);

// The text without white space, line breaks included, at either end.
std::string_view TrimmedWhiteSpace(std::string_view text);

// ASCII letters in capitals. Names that differ only in the case of ASCII letters
// have the same capitals, so comparing capitals compares ignoring case.
std::string AsciiCapitals(std::string_view text);

// ASCII letters in small letters; every other byte as it is.
std::string AsciiLowerCase(std::string_view text);

// A message that quotes what a user typed or a file held, on one line: line
// breaks, tabs and other control characters are written as escapes ("\\n",
// "\\x1b").
std::string OneLine(std::string_view message);

} // namespace corrolab
