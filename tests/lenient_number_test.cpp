#include "base/lenient_number.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <string>

namespace corrolab {
namespace {

struct ReadCase
{
    const char* text;
    double value;
};

const ReadCase kCases[] = {
    {" 27.92", 27.92},
    {"-1.5", -1.5},
    {".5", 0.5},
    {"5.", 5},
    {"2.5E-7", 2.5e-7},
    {"1e3", 1000},
    {"--", 0},
    {"", 0},
    {"abc", 0},
    {"inf", 0},
    {"nan", 0},
    {"NaN", 0},
    {"0x1F", 0},
    {"12abc", 12},
    {"12-14", 12},
    {"+7", 7},
    {"1e", 1},
    {"1e+", 1},
    {"3.5526", 3.5526},
    {"\t 4", 4},
    {"-", 0},
    {".", 0},
    {"1.2.3", 1.2},
    {"1,5", 1},
    {"-0", 0},
    {"1e-400", 0},
    {"7 8", 7},
};

TEST(LenientValue, ReadsTheLongestLeadingNumber)
{
    for (const ReadCase& c : kCases) {
        const auto value = LenientValue(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

TEST(LenientValue, RefusesANumberTooLargeForADouble)
{
    EXPECT_FALSE(LenientValue("1e400").has_value());
    EXPECT_FALSE(LenientValue("-1e400").has_value());
    EXPECT_FALSE(LenientValue(std::string(400, '9')).has_value());
    EXPECT_FALSE(LenientValue("0.00001e400").has_value());
    EXPECT_TRUE(LenientValue("0.0001e-400").has_value());
    EXPECT_EQ(LenientValueOrZero("1e400"), 0);
}

TEST(LenientValue, ReadsTheSameUnderADecimalCommaLocale)
{
    // Any German or French locale the machine has; C.UTF-8 with a comma
    // numeric facet otherwise.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"})
        if (std::setlocale(LC_ALL, name)) {
            commaLocale = true;
            break;
        }
    struct Comma : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale globalBefore
        = std::locale::global(std::locale(std::locale::classic(), new Comma));
    EXPECT_DOUBLE_EQ(*LenientValue("2.5E-7"), 2.5e-7);
    EXPECT_DOUBLE_EQ(*LenientValue(" 27.92"), 27.92);
    EXPECT_DOUBLE_EQ(*LenientValue("1,5"), 1);
    EXPECT_FALSE(LenientValue("1.5e400").has_value());
    std::locale::global(globalBefore);
    std::setlocale(LC_ALL, saved.c_str());
    if (!commaLocale)
        GTEST_LOG_(INFO) << "no decimal-comma C locale installed; C++ locale facet used";
}

} // namespace
} // namespace corrolab
