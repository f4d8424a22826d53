#include "base/number_format.h"

#include "base/lenient_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace corrolab {
namespace {

struct FixedCase
{
    double x;
    int width;
    int decimals;
    const char* text;
};

TEST(FormatFixed, ShowsCutValuesAlignedOnThePoint)
{
    const FixedCase cases[] = {
        {12.5, 1, 3, " 12.500"},
        {7, 1, 3, " 7.000"},
        {0.25, 1, 3, " .250"},
        {0, 1, 3, " 0.000"},
        {1.23456, 1, 3, " 1.234"},
        {-1.2345, 1, 3, "-1.235"},
        {-0.5, 1, 3, "-.500"},
        {0.5, 1, 3, " .500"},
        {27.9235, 1, 3, " 27.923"},
        {7.86, 1, 3, " 7.860"},
        {27.92351, 1, 4, " 27.9235"},
        {3.55264, 1, 4, " 3.5526"},
        {0.29, 1, 2, " .29"},
        {1.005, 1, 2, " 1.00"},
        {12, 5, 2, "   12.00"},
        {2.5e-7, 1, 10, " .0000002500"},
        {1e20, 1, 3, " 100000000000000000000.000"},
        // Past the 17th significant digit a large value shows zeros, not the
        // digits of its binary representation.
        {1e30, 1, 3, " 1000000000000000000000000000000.000"},
        {-1e30, 1, 3, "-1000000000000000000000000000000.000"},
        {1180591620717411303424.0, 1, 3, " 1180591620717411300000.000"}, // 2^70
        {1e30, 34, 3, "   1000000000000000000000000000000.000"},
        {123456789012345678.0, 1, 3, " 123456789012345680.000"},
        {-0.0, 1, 3, " 0.000"},
    };
    for (const FixedCase& c : cases) {
        double x = c.x;
        EXPECT_EQ(FormatFixed(x, c.width, c.decimals), c.text) << "x = " << c.x;
    }
}

TEST(FormatFixed, ReplacesItsArgumentByTheCutValue)
{
    double x = -1.2345;
    FormatFixed(x, 1, 3);
    EXPECT_DOUBLE_EQ(x, -1.235);
}

TEST(FormatFixed, NeverShowsExponentsInfinityOrNan)
{
    const double values[] = {2.5e-7, 1e-300, 4.9e-324, 1.7e308, -1.7e308, 1e300, 123456789.123};
    for (double value : values) {
        double x = value;
        const std::string text = FormatFixed(x, 1, 3 + LeadingZeroCount(value));
        EXPECT_FALSE(text.empty()) << value;
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        EXPECT_EQ(text.find("e"), std::string::npos) << text;
    }
    double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFixed(inf, 1, 3), "");
    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatFixed(nan, 1, 3), "");
}

TEST(FormatFixed, FallsBackToScientificWhenDecimalsCannotBeComputed)
{
    double x = 1.7e308;
    EXPECT_EQ(FormatFixed(x, 1, 3), "1.700 x E+308");
}

TEST(FormatFixed, TextReadsBackWithinTheCut)
{
    const double values[] = {0.4573666, 11617.84, 2.893e-4, 1234.5678, 0.001, 99.99999};
    for (double value : values) {
        const int d = 3 + LeadingZeroCount(value);
        double x = value;
        const double back = LenientValueOrZero(FormatFixed(x, 1, d));
        EXPECT_LE(back, value) << value;
        EXPECT_LT(value - back, std::pow(10.0, -d) * 1.0000001) << value;
    }
}

TEST(TruncateDecimals, CutsTowardsMinusInfinity)
{
    EXPECT_DOUBLE_EQ(TruncateDecimals(2.789, 2), 2.78);
    EXPECT_DOUBLE_EQ(TruncateDecimals(-2.781, 2), -2.79);
    EXPECT_DOUBLE_EQ(TruncateDecimals(0.29, 2), 0.29);
    EXPECT_DOUBLE_EQ(TruncateDecimals(2.7899999, 2), 2.78);
    EXPECT_DOUBLE_EQ(TruncateDecimals(1e300, 10), 1e300);
    EXPECT_DOUBLE_EQ(TruncateDecimals(5e15 + 0.5, 3), 5e15 + 0.5);
}

TEST(LeadingZeroCount, CountsZerosAfterThePoint)
{
    EXPECT_EQ(LeadingZeroCount(0.0012), 3);
    EXPECT_EQ(LeadingZeroCount(-0.0012), 3);
    EXPECT_EQ(LeadingZeroCount(0.001), 3);
    EXPECT_EQ(LeadingZeroCount(0.5), 1);
    EXPECT_EQ(LeadingZeroCount(1), 0);
    EXPECT_EQ(LeadingZeroCount(12345), 0);
    EXPECT_EQ(LeadingZeroCount(0), 0);
    EXPECT_EQ(LeadingZeroCount(2.5e-7), 7);
    EXPECT_EQ(LeadingZeroCount(4.9e-324), 324);
}

TEST(NumberText, HasABlankOrSignAndNoZeroBeforeThePoint)
{
    EXPECT_EQ(NumberText(0.5), " .5");
    EXPECT_EQ(NumberText(-0.5), "-.5");
    EXPECT_EQ(NumberText(12), " 12");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(2.5e-7), " .00000025");
    EXPECT_EQ(NumberText(0.1 + 0.2), " .30000000000000004");
    EXPECT_EQ(NumberText(1e30), " 1000000000000000000000000000000");
    EXPECT_EQ(NumberText(4.9e-324), " ." + std::string(323, '0') + "5");
}

TEST(FormatScientific, WritesMantissaAndAtLeastTwoExponentDigits)
{
    EXPECT_EQ(FormatScientific(1500), "1.500 x E+03");
    EXPECT_EQ(FormatScientific(-1500), "-1.500 x E+03");
    EXPECT_EQ(FormatScientific(0.0025), "2.500 x E-03");
    EXPECT_EQ(FormatScientific(0), "0.000 x E+00");
    EXPECT_EQ(FormatScientific(1e-300), "1.000 x E-300");
    EXPECT_EQ(FormatScientific(9.9996), "1.000 x E+01");
    EXPECT_EQ(FormatScientific(std::numeric_limits<double>::infinity()), "");
}

TEST(PlainText, ShowsFifteenSignificantDigitsWithoutExponent)
{
    EXPECT_EQ(PlainText(110), "110");
    EXPECT_EQ(PlainText(77 + 21 + 1.1 + 0.5), "99.6");
    EXPECT_EQ(PlainText(7860.0 / 1000), "7.86");
    EXPECT_EQ(PlainText(3.5526), "3.5526");
    EXPECT_EQ(PlainText(-2.5), "-2.5");
    EXPECT_EQ(PlainText(1e-7), "0.0000001");
    EXPECT_EQ(PlainText(1e30), "1000000000000000000000000000000");
}

// Values on both sides of the fifteen-digit limit and of the truncation's
// allowance, with the sign, the zero and the padding: the text and the value
// FormatFixed leaves in its argument.
struct EdgeCase
{
    double value;
    int width;
    int decimals;
    double tolerance;
    const char* text;
    double truncated;
};

TEST(FormatFixed, TextsAtTheEdgesOfItsDigits)
{
    const EdgeCase cases[] = {
        {0, 1, 3, 0, " 0.000", 0},
        {-0.0, 1, 3, 0, " 0.000", -0.0},
        {-0.00040000000000000002, 1, 3, 0, "-.001", -0.001},
        {0.28999999999999998, 1, 2, 0, " .29", 0.28999999999999998},
        {-0.16925000000000001, 1, 4, 0, "-.1693", -0.16930000000000001},
        {27.920000000000002, 1, 3, 0, " 27.920", 27.920000000000002},
        {999999999999.99988, 1, 3, 0, " 1000000000000.000", 1000000000000},
        {99999999999.999985, 1, 4, 0, " 100000000000.0000", 100000000000},
        {123456789012345.59, 1, 0, 0, " 123456789012345.", 123456789012345},
        {1234567890123456.8, 1, 0, 0, " 1234567890123457.", 1234567890123457},
        {0.000123456789, 1, 15, 0, " .000123456789000", 0.000123456789},
        {1.5e-16, 1, 16, 0, " .0000000000000001", 9.9999999999999998e-17},
        {7, 8, 2, 0, "       7.00", 7},
        {-7, 8, 2, 0, "      -7.00", -7},
        {0.5, 5, 1, 0, "     .5", 0.5},
        {3.5526, 1, 4, 1.2e-07, " 3.5526", 3.5526},
        {0.11617775, 1, 8, 0, " .11617775", 0.11617775},
        {1e+22, 1, 3, 0, " 10000000000000000000000.000", 1e+22},
        {39.370078739999997, 1, 3, 2.4e-07, " 39.370", 39.369999999999997},
    };
    for (const EdgeCase& c : cases) {
        double x = c.value;
        EXPECT_EQ(FormatFixed(x, c.width, c.decimals, c.tolerance), c.text) << c.value;
        EXPECT_EQ(x, c.truncated) << c.value;
        EXPECT_EQ(std::signbit(x), std::signbit(c.truncated)) << c.value;
    }
}

} // namespace
} // namespace corrolab
