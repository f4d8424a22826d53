#include "calculators/coupon_table.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"
#include "calculators/remaining_life.h"
#include "calculators/severity.h"
#include "calculators/stern_geary.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace corrolab {
namespace {

using namespace std::chrono;

CalculatorMaterial CarbonSteel()
{
    return {"Carbon steel", 27.92, 7.85};
}

struct RateCase
{
    const char* name;
    MassLossInput input;
    CalculatorMaterial material;
    const char* unit;
    double expected;
    double tolerance;
};

// ASTM G1 worked example (K = 8.76e4 for mm/year) and its forms in the other
// units, from the unit definitions: 25.4 mm per inch, a year of 365.25 days,
// and Faraday's law with F = 96500 C.
TEST(MassLossRate, WorkedExamplesInEachUnit)
{
    const MassLossInput coupon {0.650, 28.5, 168};
    const double mmPerYear = 8.76e4 * 0.650 / (28.5 * 168 * 7.85); // 1.51493
    const double gramsPerCm2Second = mmPerYear / 10 * 7.85 / (365.25 * 86400);
    const RateCase cases[] = {
        {"mm/year", coupon, CarbonSteel(), "mm/year", 1.515, 5e-4},
        // 1.51493 mm/year is 59.64 mpy, as the main window converts it; the
        // rounded G1 constant for mpy (3.45e6) would give 59.66.
        {"mpy", coupon, CarbonSteel(), "mpy", 59.643, 5e-4},
        {"ipy", coupon, CarbonSteel(), "ipy", 0.059643, 5e-7},
        {"g/cm^2-s", coupon, CarbonSteel(), "g/cm^2-s", gramsPerCm2Second, 1e-15},
        {"mdd", coupon, CarbonSteel(), "mdd", gramsPerCm2Second * 86400 * 1e5, 1e-9},
        {"mg/dm^2-s", coupon, CarbonSteel(), "mg/dm^2-s", gramsPerCm2Second * 1e5, 1e-10},
        {"micro_amp/cm^2", coupon, CarbonSteel(), "micro_amp/cm^2",
            gramsPerCm2Second * 96500 / 27.92 * 1e6, 1e-6},
        {"zero loss", {0, 28.5, 168}, CarbonSteel(), "mm/year", 0, 0},
    };
    for (const RateCase& c : cases) {
        const Checked<double> rate = MassLossRate(c.input, c.material, c.unit);
        ASSERT_TRUE(rate.ok()) << c.name << ": " << rate.error().message;
        EXPECT_NEAR(*rate, c.expected, c.tolerance) << c.name;
    }
}

// The units stand to each other as their definitions say, to the last digits:
// rounded constants per unit (mpy 3.45e6 beside mm/year 8.76e4) would not.
TEST(MassLossRate, UnitsStandInTheRatiosOfTheirDefinitions)
{
    const MassLossInput coupon {0.650, 28.5, 168};
    const auto rate = [&](const char* unit) { return *MassLossRate(coupon, CarbonSteel(), unit); };
    struct Ratio
    {
        const char* over;
        const char* under;
        double expected;
    };
    const Ratio ratios[] = {
        {"mpy", "mm/year", 1 / 0.0254},
        {"ipy", "mpy", 1e-3},
        {"mm/year", "ipy", 25.4},
        {"mdd", "mg/dm^2-s", 86400},
        {"mg/cm^2-s", "g/cm^2-s", 1000},
        {"milli_amp/cm^2", "micro_amp/cm^2", 1e-3},
    };
    for (const Ratio& r : ratios)
        EXPECT_NEAR(rate(r.over) / rate(r.under) / r.expected, 1, 1e-12)
            << r.over << "/" << r.under;
}

TEST(MassLossRate, BadInputGivesAReasonAndNoNumber)
{
    struct Bad
    {
        MassLossInput input;
        CalculatorMaterial material;
        const char* unit;
        const char* field;
    };
    const Bad cases[] = {
        {{0.65, 0, 168}, CarbonSteel(), "mm/year", "area"},
        {{0.65, -3, 168}, CarbonSteel(), "mm/year", "area"},
        {{0.65, 28.5, 0}, CarbonSteel(), "mm/year", "time"},
        {{0.65, 28.5, -1}, CarbonSteel(), "mm/year", "time"},
        {{-0.1, 28.5, 168}, CarbonSteel(), "mm/year", "mass"},
        {{0.65, 28.5, 168}, {"", 27.92, 0}, "mm/year", "density"},
        {{0.65, 28.5, 168}, {"", 0, 7.85}, "micro_amp/cm^2", "ew"},
        {{0.65, 28.5, 168}, CarbonSteel(), "furlongs/fortnight", "unit"},
        {{1e300, 1e-300, 168}, CarbonSteel(), "mm/year", "mass"}, // beyond any double
        {{1e300, 1e-300, 168}, CarbonSteel(), "micro_amp/cm^2", "mass"},
    };
    for (const Bad& c : cases) {
        const Checked<double> rate = MassLossRate(c.input, c.material, c.unit);
        EXPECT_FALSE(rate.ok()) << c.field;
        EXPECT_EQ(rate.error().field, c.field);
        EXPECT_FALSE(rate.error().message.empty()) << c.field;
    }
}

TEST(CouponArea, ShapesWithAndWithoutHoles)
{
    const double pi = std::numbers::pi;
    // 50 x 25 x 2 mm: faces 2*1250, edges 2*75*2 = 300 -> 2800 mm^2.
    EXPECT_NEAR(*CouponArea(RectangularCoupon {50, 25, 2, 0}), 28.00, 1e-12);
    // A 6 mm hole takes two circles off the faces and adds its wall.
    EXPECT_NEAR(*CouponArea(RectangularCoupon {50, 25, 2, 6}),
        (2800 - 2 * pi * 9 + pi * 6 * 2) / 100, 1e-12);
    // Disc 38 mm x 3 mm: 2 * pi * 19^2 + pi * 38 * 3.
    EXPECT_NEAR(*CouponArea(DiscCoupon {38, 3, 0}), (2 * pi * 361 + pi * 114) / 100, 1e-12);
    EXPECT_NEAR(*CouponArea(DiscCoupon {38, 3, 8}),
        (2 * pi * (361 - 16) + pi * 114 + pi * 24) / 100, 1e-12);

    struct Bad
    {
        Checked<double> area;
        const char* field;
    };
    const Bad bad[] = {
        {CouponArea(RectangularCoupon {0, 25, 2, 0}), "length"},
        {CouponArea(RectangularCoupon {50, -1, 2, 0}), "width"},
        {CouponArea(RectangularCoupon {50, 25, 0, 0}), "thickness"},
        {CouponArea(RectangularCoupon {50, 25, 2, 25}), "hole"},
        {CouponArea(RectangularCoupon {50, 25, 2, -1}), "hole"},
        {CouponArea(DiscCoupon {38, 3, 38}), "hole"},
        {CouponArea(DiscCoupon {0, 3, 0}), "diameter"},
    };
    for (const Bad& b : bad) {
        EXPECT_FALSE(b.area.ok()) << b.field;
        EXPECT_EQ(b.area.error().field, b.field);
    }
}

TEST(MassLossFromWeighings, RefusesAGain)
{
    EXPECT_NEAR(*MassLossFromWeighings(25.4310, 24.7810), 0.650, 1e-12);
    EXPECT_EQ(*MassLossFromWeighings(10, 10), 0);
    EXPECT_EQ(MassLossFromWeighings(10, 10.01).error().field, "final");
    EXPECT_EQ(MassLossFromWeighings(0, 0).error().field, "initial");
}

TEST(PittingFactor, DeepestPitOverMeanPenetration)
{
    const MassLossInput coupon {0.650, 28.5, 168};
    // Mean penetration 10 * 0.650 / (28.5 * 7.85) = 0.029054 mm.
    const double mean = 10 * 0.650 / (28.5 * 7.85);
    EXPECT_NEAR(*MeanPenetration(coupon, CarbonSteel()), mean, 1e-12);
    EXPECT_NEAR(*PittingFactor(0.25, coupon, CarbonSteel()), 0.25 / mean, 1e-9);
    EXPECT_EQ(PittingFactor(-0.1, coupon, CarbonSteel()).error().field, "pit");
    EXPECT_EQ(PittingFactor(0.2, {0, 28.5, 168}, CarbonSteel()).error().field, "mass");
    // A 0.1 mm pit in a year of 8766 h is 0.1 mm/year.
    EXPECT_NEAR(DepthRate(0.1, 8766), 0.1, 1e-12);
    EXPECT_NEAR(DepthRate(0.1, 8766 / 2.0), 0.2, 1e-12);
}

TEST(SternGeary, CoefficientFromTafelSlopes)
{
    struct Case
    {
        double ba;
        double bc;
        double b;
    };
    const Case cases[] = {
        {120, 120, 26.05}, // the common 26 mV
        {60, 120, 60.0 * 120 / (2.303 * 180)},
        {100, 1e9, 100 / 2.303}, // a cathodic process under diffusion control
    };
    for (const Case& c : cases)
        EXPECT_NEAR(*SternGearyCoefficient(c.ba, c.bc), c.b, 5e-3) << c.ba << "/" << c.bc;
    EXPECT_EQ(SternGearyCoefficient(0, 120).error().field, "ba");
    EXPECT_EQ(SternGearyCoefficient(120, 0).error().field, "bc");
    EXPECT_EQ(SternGearyCoefficient(-5, 120).error().field, "ba");
}

TEST(SternGeary, CurrentDensityFromResistance)
{
    // 26 mV over 1000 ohm cm^2 is 26 micro_amp/cm^2.
    EXPECT_NEAR(*CorrosionCurrentDensity(26, 1000, std::nullopt), 26, 1e-12);
    // 200 ohm on 5 cm^2 is the same 1000 ohm cm^2.
    EXPECT_NEAR(*CorrosionCurrentDensity(26, 200, 5.0), 26, 1e-12);
    EXPECT_EQ(CorrosionCurrentDensity(26, 0, std::nullopt).error().field, "rp");
    EXPECT_EQ(CorrosionCurrentDensity(0, 1000, std::nullopt).error().field, "b");
    EXPECT_EQ(CorrosionCurrentDensity(26, 200, 0.0).error().field, "electrode");
    EXPECT_EQ(CorrosionCurrentDensity(1e300, 1e-300, std::nullopt).error().field, "rp");
}

TEST(SternGeary, RateThroughTheMainWindowFactors)
{
    // 1 micro_amp/cm^2 on iron (as the main window opens) is 0.01162 mm/year.
    const auto iron = ConvertRate(1, kMicroampsPerCm2, kMillimetresPerYear, IronMaterial());
    ASSERT_TRUE(iron.has_value());
    EXPECT_NEAR(*iron, 0.01162, 5e-6);
    const auto mpy = ConvertRate(1, kMicroampsPerCm2, "mpy", IronMaterial());
    EXPECT_NEAR(*mpy, 0.4574, 5e-4);
    EXPECT_FALSE(ConvertRate(1, kMicroampsPerCm2, "mm/year", {"", 27.92, 0}).has_value());
    EXPECT_FALSE(ConvertRate(1, "mm/year", "mdd", {"", 0, 7.86}).has_value());
    EXPECT_FALSE(ConvertRate(1, "mm/yr", "mpy", IronMaterial()).has_value());
    // Large rates that convert to a number do so.
    const auto large = ConvertRate(1e304, "mm/year", "mpy", IronMaterial());
    ASSERT_TRUE(large.has_value());
    EXPECT_NEAR(*large / 1e304, 1 / 0.0254, 1e-9);
    EXPECT_FALSE(ConvertRate(1e307, "mm/year", "mpy", IronMaterial()).has_value());
}

struct SeverityCase
{
    double rate;
    Attack attack;
    Severity expected;
};

void PrintTo(const SeverityCase& c, std::ostream* os)
{
    *os << c.rate << " mm/year " << AttackName(c.attack) << " -> " << SeverityName(c.expected);
}

class SeverityBoundaries : public ::testing::TestWithParam<SeverityCase>
{
};

TEST_P(SeverityBoundaries, FallOnTheRightSide)
{
    const SeverityCase& c = GetParam();
    EXPECT_EQ(Classify(c.rate, c.attack), c.expected)
        << c.rate << " " << AttackName(c.attack) << " gave "
        << SeverityName(Classify(c.rate, c.attack));
}

INSTANTIATE_TEST_SUITE_P(GeneralAndPitting, SeverityBoundaries,
    // General corrosion: the edges of the mpy form, 1, 5 and 10 mpy (0.0254,
    // 0.127, 0.254 mm/year), so that the printed bands leave no gap.
    ::testing::Values(SeverityCase {0, Attack::General, Severity::Low},
        SeverityCase {0.025, Attack::General, Severity::Low},
        SeverityCase {0.02539, Attack::General, Severity::Low},
        SeverityCase {0.0254, Attack::General, Severity::Moderate},
        SeverityCase {0.12, Attack::General, Severity::Moderate},
        SeverityCase {0.12699, Attack::General, Severity::Moderate},
        SeverityCase {0.127, Attack::General, Severity::High},
        SeverityCase {0.13, Attack::General, Severity::High},
        SeverityCase {0.254, Attack::General, Severity::High},
        SeverityCase {0.25401, Attack::General, Severity::Severe},
        SeverityCase {1.515, Attack::General, Severity::Severe},
        SeverityCase {0.1299, Attack::Pitting, Severity::Low},
        SeverityCase {0.13, Attack::Pitting, Severity::Moderate},
        SeverityCase {0.20, Attack::Pitting, Severity::Moderate},
        SeverityCase {0.2099, Attack::Pitting, Severity::Moderate},
        SeverityCase {0.21, Attack::Pitting, Severity::High},
        SeverityCase {0.38, Attack::Pitting, Severity::High},
        SeverityCase {0.3801, Attack::Pitting, Severity::Severe}));

TEST(Severity, MilsPerYearEdgesLandInTheirCategories)
{
    // The standard's mpy table: < 1 low, 1-4.9 moderate, 5-10 high, > 10 severe.
    const auto general = [](double mpy) {
        return Classify(*ConvertRate(mpy, "mpy", "mm/year", IronMaterial()), Attack::General);
    };
    const struct
    {
        double mpy;
        Severity expected;
    } rows[] = {{0.9, Severity::Low}, {0.999, Severity::Low}, {1.001, Severity::Moderate},
        {4.9, Severity::Moderate}, {4.999, Severity::Moderate}, {5.001, Severity::High},
        {9.8, Severity::High}, {9.999, Severity::High}, {10.001, Severity::Severe}};
    for (const auto& row : rows)
        EXPECT_EQ(general(row.mpy), row.expected) << row.mpy << " mpy";
    EXPECT_EQ(SeverityLine(1.515, Attack::General), "severe (general corrosion, carbon steel)");
}

TEST(RemainingLife, YearsAndTheDateTheMinimumIsReached)
{
    const year_month_day measured = 2026y / December / 8;
    struct Case
    {
        WallInput wall;
        double years;
        const char* date;
    };
    const Case cases[] = {
        {{10, 6, 0.2}, 20, "2046-12-08"}, // 20 * 365.25 days = 7305 days
        {{12.7, 9.5, 0.25}, 12.8, "2039-09-26"}, // 4675.2 days, cut to 4675
        {{8, 8, 0.1}, 0, "2026-12-08"}, // at the minimum today
        {{10, 0, 1e-3}, 10000, ""}, // beyond 9999
        {{10, 6, 4 * 365.25}, 1 / 365.25, "2026-12-09"}, // one day
    };
    for (const Case& c : cases) {
        const Checked<RemainingLife> life = CalculateRemainingLife(c.wall, measured);
        ASSERT_TRUE(life.ok()) << c.date << ": " << life.error().message;
        EXPECT_NEAR(life->years, c.years, 1e-9) << c.date;
        EXPECT_EQ(life->date ? IsoDate(*life->date) : "", c.date);
    }
}

TEST(RemainingLife, RefusesAMinimumAboveTheWallAndANullRate)
{
    const year_month_day measured = 2026y / December / 8;
    struct Bad
    {
        WallInput wall;
        const char* field;
    };
    const Bad cases[] = {
        {{6, 8, 0.1}, "minimum"}, {{6, -1, 0.1}, "minimum"}, {{0, 0, 0.1}, "thickness"},
        {{6, 3, 0}, "rate"}, {{6, 3, -0.1}, "rate"},
        {{6, 3, 1e-320}, "rate"}, // a life beyond any number
    };
    for (const Bad& c : cases) {
        const Checked<RemainingLife> life = CalculateRemainingLife(c.wall, measured);
        EXPECT_FALSE(life.ok()) << c.field;
        EXPECT_EQ(life.error().field, c.field);
    }
}

TEST(RemainingLife, AllowanceLineAndDates)
{
    EXPECT_NEAR(*DesignAllowance(0.15, 20), 3.0, 1e-12);
    EXPECT_EQ(DesignAllowance(0.15, 0).error().field, "design");
    EXPECT_NEAR(ThicknessAfter({10, 6, 0.2}, 5), 9, 1e-12);
    EXPECT_EQ(IsoDate(*ParseIsoDate("2024-02-29")), "2024-02-29");
    for (const char* bad : {"2023-02-29", "2024-13-01", "24-02-01", "2024-02-01x", ""})
        EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
}

TEST(FieldNumber, ReadsStrictlyInEveryLocale)
{
    struct Case
    {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"0.650", 0.650},
        {" 28.5 ", 28.5},
        {"0,650", 0.650},
        {"+2", 2},
        {"-1e-3", -1e-3},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1e400", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrictNumber(c.text), c.value) << "'" << c.text << "'";
    EXPECT_EQ(FieldNumber("", "area", "the area", true).error().message, "Enter the area.");
    EXPECT_EQ(FieldNumber("0", "area", "the area", true).error().field, "area");
    EXPECT_EQ(
        FieldNumber("-1", "area", "the area", true).error().message, "The area must be above 0.");
    EXPECT_EQ(FieldNumberNotNegative("-2", "pit", "the depth").error().message,
        "The depth must not be negative.");
    EXPECT_EQ(*FieldNumber("0", "area", "the area", false), 0);
    EXPECT_FALSE(FieldNumberNotNegative("-2", "pit", "the depth").ok());
}

TEST(ResultNumber, FourSignificantDigits)
{
    const std::pair<double, const char*> cases[] = {
        {1.51491, "1.515"},
        {26.0477, "26.05"},
        {0.0116178, "0.01162"},
        {1234.56, "1235"},
        {0, "0"},
        {2.6e-5, "2.600e-05"},
        {-0.5, "-0.5000"},
        {3.2e7, "3.200e+07"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(ResultNumber(value), text) << value;
}

} // namespace
} // namespace corrolab
