#pragma once

#include <cstddef>
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

// A message for one line of standard error: control characters written as
// escapes (\n, \t, \x1b), so that what the user typed or a server sent cannot
// break the line or move the cursor, and no longer than `longest` bytes (cut
// with "...").
std::string OneLine(std::string_view message, std::size_t longest = 400);

} // namespace corrolab
