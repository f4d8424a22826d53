#include "app/text.h"

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

} // namespace
} // namespace corrolab
