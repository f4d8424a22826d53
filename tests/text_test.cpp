#include "base/text.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

TEST(Trimmed, DropsBlanksAtEitherEndOnly)
{
    struct Row
    {
        const char* text;
        const char* trimmed;
    };
    const Row rows[] = {
        {" .4573", ".4573"}, {"\t 96.500 \t", "96.500"}, {"US Dollar", "US Dollar"},
        {"  a  b  ", "a  b"}, {"   ", ""}, {"", ""},
        {"\n1\n", "\n1\n"}, // line breaks are not blanks
    };
    for (const Row& row : rows)
        EXPECT_EQ(Trimmed(row.text), row.trimmed) << '"' << row.text << '"';
}

TEST(TrimmedWhiteSpace, DropsBlanksAndLineBreaksAtEitherEndOnly)
{
    struct Row
    {
        const char* text;
        const char* trimmed;
    };
    const Row rows[] = {
        {"\n1\r\n", "1"}, {" \t\v\fFe \f", "Fe"}, {"a \n b", "a \n b"}, {"\r\n\t ", ""}, {"", ""},
        {"\xc2\xa0x", "\xc2\xa0x"}, // non-ASCII kept
    };
    for (const Row& row : rows)
        EXPECT_EQ(TrimmedWhiteSpace(row.text), row.trimmed) << '"' << row.text << '"';
}

TEST(AsciiCapitals, CapitalisesAsciiLettersAndKeepsEveryOtherByte)
{
    struct Row
    {
        const char* text;
        const char* capitals;
    };
    const Row rows[] = {
        {"US Dollar", "US DOLLAR"},
        {"currency.txt", "CURRENCY.TXT"},
        {"micro_amp/cm^2", "MICRO_AMP/CM^2"},
        {"az AZ @[`{", "AZ AZ @[`{"},
        {"Z\xc3\xa9loty", "Z\xc3\xa9LOTY"}, // UTF-8 bytes untouched
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AsciiCapitals(row.text), row.capitals) << row.text;
}

TEST(AsciiLowerCase, LowersAsciiLettersAndKeepsEveryOtherByte)
{
    struct Row
    {
        const char* text;
        const char* lower;
    };
    const Row rows[] = {
        {"Stainless Steel", "stainless steel"},
        {"FE Ni", "fe ni"},
        {"az AZ @[`{", "az az @[`{"},
        {"\xc3\x89MAIL", "\xc3\x89mail"}, // UTF-8 bytes untouched
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AsciiLowerCase(row.text), row.lower) << row.text;
}

} // namespace
} // namespace corrolab
