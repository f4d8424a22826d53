#include "calculators/coupon_table.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

const CalculatorMaterial kSteel {"Carbon steel", 27.92, 7.85};

TEST(CouponTable, ReadsRowsSkipsTheHeadingAndRejectsMalformedOnes)
{
    const CouponTable table = ParseCouponTable("Coupon\tLoss (g)\tArea (cm2)\tHours\tBlank\n"
                                               "A1\t0.650\t28.5\t168\t\r\n"
                                               "\n"
                                               "A2\t0,700\t28.5\t168\n"
                                               "A3\t0.6x\t28.5\t168\n"
                                               "A4\t0.6\t0\t168\n"
                                               "A5\t0.6\t28.5\n"
                                               "B1\t1.300\t28.5\t168\tBlank\n"
                                               "B2\t1.3\t28.5\t168\tmaybe\n"
                                               "A6\t-0.1\t28.5\t168\n");
    ASSERT_EQ(table.coupons.size(), 3u);
    EXPECT_EQ(table.coupons[0].name, "A1");
    EXPECT_EQ(table.coupons[0].line, 2);
    EXPECT_FALSE(table.coupons[0].blank);
    EXPECT_DOUBLE_EQ(table.coupons[1].massLoss, 0.7);
    EXPECT_TRUE(table.coupons[2].blank);
    struct Rejected
    {
        int line;
        const char* says;
    };
    const Rejected expected[] = {
        {5, "mass loss '0.6x' is not a number"},
        {6, "area must be above 0"},
        {7, "needs 4 columns"},
        {9, "blank mark 'maybe'"},
        {10, "mass loss is negative"},
    };
    ASSERT_EQ(table.rejected.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(table.rejected[i].line, expected[i].line) << i;
        EXPECT_NE(table.rejected[i].reason.find(expected[i].says), std::string::npos)
            << "line " << expected[i].line << ": " << table.rejected[i].reason;
    }
}

TEST(CouponTable, AFirstRowOfNumbersIsACoupon)
{
    const CouponTable table = ParseCouponTable("A1\t0.65\t28.5\t168");
    ASSERT_EQ(table.coupons.size(), 1u);
    EXPECT_TRUE(table.rejected.empty());
}

TEST(CouponTable, MeanSpreadAndInhibitorEfficiency)
{
    const CouponTable table = ParseCouponTable("A1\t0.650\t28.5\t168\n"
                                               "A2\t0.700\t28.5\t168\n"
                                               "A3\t0.600\t28.5\t168\n"
                                               "B1\t2.600\t28.5\t168\tx\n");
    const Checked<CouponSummary> summary = SummariseCoupons(table, kSteel, "mm/year");
    ASSERT_TRUE(summary.ok()) << summary.error().message;
    const double perGram = 8.76e4 / (28.5 * 168 * 7.85);
    ASSERT_EQ(summary->rates.size(), 4u);
    EXPECT_NEAR(summary->rates[3], 2.6 * perGram, 1e-12);
    EXPECT_EQ(summary->count, 3); // the inhibited coupons
    EXPECT_NEAR(summary->mean, 0.65 * perGram, 1e-12);
    EXPECT_NEAR(*summary->standardDeviation, 0.05 * perGram, 1e-12);
    EXPECT_NEAR(summary->minimum, 0.6 * perGram, 1e-12);
    EXPECT_NEAR(summary->maximum, 0.7 * perGram, 1e-12);
    EXPECT_NEAR(*summary->blankMean, 2.6 * perGram, 1e-12);
    EXPECT_NEAR(*summary->inhibitorEfficiency, 75, 1e-9); // (2.6 - 0.65) / 2.6
}

TEST(CouponTable, SummaryWithoutBlanksOrWithOnlyBlanks)
{
    struct Case
    {
        const char* text;
        int count;
        bool spread;
        bool efficiency;
        const char* note;
    };
    const Case cases[] = {
        {"A\t0.65\t28.5\t168\nB\t0.7\t28.5\t168", 2, true, false, ""},
        {"A\t0.65\t28.5\t168", 1, false, false, ""},
        {"A\t0.65\t28.5\t168\tblank\nB\t0.7\t28.5\t168\tyes", 2, true, false,
            "every coupon is marked blank"},
        {"A\t0\t28.5\t168\tblank\nB\t0.7\t28.5\t168", 1, false, false,
            "the blank coupons lost no mass"},
        // A blank rate of 1e-306 mm/year against 1e304: the efficiency would be
        // -1e612 %, beyond any number.
        {"A\t1e-300\t1\t1e10\tblank\nB\t1e300\t1\t1", 1, false, false,
            "the blank coupons lost too little mass to compare"},
    };
    for (const Case& c : cases) {
        const Checked<CouponSummary> summary
            = SummariseCoupons(ParseCouponTable(c.text), kSteel, "mpy");
        ASSERT_TRUE(summary.ok()) << c.text << ": " << summary.error().message;
        EXPECT_EQ(summary->count, c.count) << c.text;
        EXPECT_EQ(summary->standardDeviation.has_value(), c.spread) << c.text;
        EXPECT_EQ(summary->inhibitorEfficiency.has_value(), c.efficiency) << c.text;
        EXPECT_EQ(summary->efficiencyNote, c.note) << c.text;
    }
    EXPECT_FALSE(SummariseCoupons(ParseCouponTable("x\ty\tz\tw\n"), kSteel, "mpy").ok());
    EXPECT_EQ(SummariseCoupons(ParseCouponTable("A\t0.65\t28.5\t168"), {"", 27.92, 0}, "mpy")
                  .error()
                  .field,
        "density");
}

} // namespace
} // namespace corrolab
