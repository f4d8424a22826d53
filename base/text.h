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

// The edit distance of two texts ignoring the case of ASCII letters: the
// fewest single-byte insertions, deletions, substitutions and swaps of two
// neighbours ("yaer" for "year" is one) that turn one into the other.
std::size_t EditDistance(std::string_view a, std::string_view b);

// The text in single quotes, as messages name what the user typed: 'furlong'.
std::string Quoted(std::string_view text);

// The longest text OneLine gives back, before its "...".
inline constexpr std::size_t kOneLineLimit = 400;

// A text from a file, a server or the user made fit for one line of a message:
// control characters (line breaks, escape, DEL, the C1 controls and bytes that
// are no UTF-8) are written as escapes such as "\n" and "\x1b", so that nothing
// of it reaches the terminal as a command; a text longer than `limit` bytes is
// cut there, never inside a character, and ends in "...".
std::string OneLine(std::string_view text, std::size_t limit = kOneLineLimit);

} // namespace corrolab
