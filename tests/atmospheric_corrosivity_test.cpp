#include "calculators/atmospheric_corrosivity.h"

#include "calculators/field_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corrolab {
namespace {

using M = AtmosphereMetal;
using C = Corrosivity;

std::string Row(const AtmosphereAssessment& result, const std::string& label)
{
    for (const CopyRow& row : result.rows)
        if (row.label == label)
            return row.value;
    return "(no row " + label + ")";
}

AtmosphereAssessment Assess(const AtmosphereRequest& request)
{
    const Checked<AtmosphereAssessment> result = AssessAtmosphere(request);
    EXPECT_TRUE(result.ok()) << result.error().message;
    return result ? *result : AtmosphereAssessment {};
}

// The check value, worked out here from the carbon steel function as the
// standard prints it: T 15 C, RH 75 %, Pd 10, Sd 50 give 45.02 um/year, C3.
TEST(AtmosphericCorrosivity, CarbonSteelCheckValue)
{
    const double fSt = -0.054 * (15 - 10);
    const double expected = 1.77 * std::pow(10, 0.52) * std::exp(0.020 * 75 + fSt)
        + 0.102 * std::pow(50, 0.62) * std::exp(0.033 * 75 + 0.040 * 15);
    EXPECT_NEAR(expected, 45.02, 0.005);
    EXPECT_NEAR(DoseResponse(M::Steel, {15, 75, 10, 50}), expected, 1e-9);

    AtmosphereRequest request;
    request.climate = {15, 75, 10, 50};
    const AtmosphereAssessment result = Assess(request);
    EXPECT_EQ(Row(result, "First-year rate"), "45.0");
    EXPECT_EQ(Row(result, "Category"), "C3 (25-50 um/year)");
    EXPECT_EQ(Row(result, "Corrosivity"), "medium");
    // 45.02 * 20^0.523 and 45.02 * 20^0.575.
    EXPECT_EQ(Row(result, "Loss after 20 years"), "216");
    EXPECT_EQ(Row(result, "Loss after 20 years (upper)"), "252");
}

// Climates and the category each metal's function gives there (worked out
// separately from the four functions of the standard).
TEST(AtmosphericCorrosivity, ClimatesGiveTheirCategories)
{
    struct Case
    {
        Climate climate;
        C steel, zinc, copper, aluminium;
    };
    const Case cases[] = {
        {{15, 75, 10, 50}, C::C3, C::C3, C::C4, C::C2}, {{5, 60, 1, 1}, C::C2, C::C2, C::C2, C::C2},
        {{10, 80, 5, 3}, C::C2, C::C3, C::C4, C::C2}, // steel 24.5, just under 25
        {{20, 85, 20, 300}, C::C5, C::C5, C::C5, C::C4},
        {{25, 90, 100, 700}, C::CX, C::CX, C::CX, C::C5},
        {{-5, 70, 2, 0.5}, C::C2, C::C2, C::C2, C::C2}, // the cold branch of f(T)
        {{28, 80, 50, 150}, C::C5, C::C5, C::C5, C::C4},
        {{8, 88, 30, 20}, C::C4, C::C4, C::C4, C::C2}, // aluminium 0.580 g/m^2, under 0.6
    };
    for (const Case& c : cases) {
        const C expected[] = {c.steel, c.zinc, c.copper, c.aluminium};
        for (size_t m = 0; m < kAtmosphereMetals.size(); ++m) {
            AtmosphereRequest request;
            request.metal = kAtmosphereMetals[m];
            request.climate = c.climate;
            EXPECT_EQ(Assess(request).category, expected[m])
                << AtmosphereMetalKey(kAtmosphereMetals[m]) << " at T " << c.climate.temperature
                << " RH " << c.climate.humidity << " Pd " << c.climate.so2 << " Sd "
                << c.climate.chloride;
        }
    }
}

// ISO 9223 Table 2: each edge belongs to the category below it ("a < r <= b");
// a hair above it is the next category.
TEST(AtmosphericCorrosivity, TableTwoEdgesOnBothSides)
{
    struct Case
    {
        M metal;
        bool byMass;
        std::array<double, 6> edges; // upper edges of C1..C5, and CX's
    };
    const Case cases[] = {
        {M::Steel, true, {10, 200, 400, 650, 1500, 5500}},
        {M::Steel, false, {1.3, 25, 50, 80, 200, 700}},
        {M::Zinc, true, {0.7, 5, 15, 30, 60, 180}},
        {M::Zinc, false, {0.1, 0.7, 2.1, 4.2, 8.4, 25}},
        {M::Copper, true, {0.9, 5, 12, 25, 50, 90}},
        {M::Copper, false, {0.1, 0.6, 1.3, 2.8, 5.6, 10}},
        {M::Aluminium, true, {0, 0.6, 2, 5, 10, 10}},
    };
    for (const Case& c : cases) {
        const auto category = [&](double value) {
            return c.byMass ? CategoryFromMass(c.metal, value)
                            : CategoryFromThickness(c.metal, value);
        };
        for (int i = 0; i < 5; ++i) {
            const double edge = c.edges[static_cast<size_t>(i)];
            const std::string where = std::string(AtmosphereMetalKey(c.metal))
                + (c.byMass ? " mass " : " thickness ") + std::to_string(edge);
            EXPECT_EQ(category(edge), static_cast<C>(i)) << where;
            EXPECT_EQ(category(edge * 1.0001 + 1e-9), static_cast<C>(i + 1)) << where;
        }
        // Beyond the table's last edge the category stays CX.
        EXPECT_EQ(category(c.edges[5] * 3), C::CX) << AtmosphereMetalKey(c.metal);
    }
    // Aluminium has no thickness column: 1 um is 2.7 g/m^2, C4.
    EXPECT_EQ(CategoryFromThickness(M::Aluminium, 1), C::C4);
}

TEST(AtmosphericCorrosivity, BandTexts)
{
    struct Case
    {
        M metal;
        C category;
        bool byMass;
        std::string text;
    };
    const Case cases[] = {
        {M::Steel, C::C1, false, "up to 1.3 um/year"},
        {M::Steel, C::C3, false, "25-50 um/year"},
        {M::Steel, C::C3, true, "200-400 g/m^2 per year"},
        {M::Steel, C::CX, false, "200-700 um/year"},
        {M::Zinc, C::C4, false, "2.1-4.2 um/year"},
        {M::Copper, C::C5, true, "25-50 g/m^2 per year"},
        {M::Aluminium, C::C1, false, "negligible"},
        {M::Aluminium, C::C2, false, "up to 0.6 g/m^2 per year"},
        {M::Aluminium, C::C3, true, "0.6-2 g/m^2 per year"},
        {M::Aluminium, C::CX, true, "above 10 g/m^2 per year"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CategoryBand(c.metal, c.category, c.byMass), c.text)
            << AtmosphereMetalKey(c.metal) << ' ' << CorrosivityName(c.category);
}

// ISO 9224's t^b for the two exponents of each metal, as the standard tabulates
// them, and the straight continuation after 20 years.
TEST(AtmosphericCorrosivity, LongTermLossFollowsTheTimeExponents)
{
    struct Case
    {
        M metal;
        double years;
        double mean; // t^b1
        double upper; // t^b2
    };
    const Case cases[] = {
        {M::Steel, 2, 1.437, 1.490},
        {M::Steel, 10, 3.334, 3.758},
        {M::Steel, 20, 4.791, 5.599},
        {M::Zinc, 5, 3.701, 4.076},
        {M::Zinc, 20, 11.422, 13.671},
        {M::Copper, 10, 4.645, 5.321},
        {M::Aluminium, 15, 7.181, 8.894},
        {M::Aluminium, 20, 8.854, 11.218},
    };
    for (const Case& c : cases) {
        const TimeExponents b = TimeExponentsOf(c.metal);
        EXPECT_NEAR(LongTermLoss(1, b.mean, c.years), c.mean, 0.001)
            << AtmosphereMetalKey(c.metal) << ' ' << c.years;
        EXPECT_NEAR(LongTermLoss(2, b.upper, c.years), 2 * c.upper, 0.002)
            << AtmosphereMetalKey(c.metal) << ' ' << c.years;
    }
    // After 20 years: 20^b + b * 20^(b-1) * (t - 20); steel b1 at 30 years is
    // 4.791 + 0.523 * 4.791 / 20 * 10 = 6.044 (t^b would give 5.923).
    EXPECT_NEAR(LongTermLoss(1, 0.523, 30), 6.044, 0.001);
    EXPECT_NEAR(LongTermLoss(1, 0.523, 20.000001), LongTermLoss(1, 0.523, 20), 1e-6);
}

TEST(AtmosphericCorrosivity, YearsToAnAllowanceInvertTheLoss)
{
    for (const M metal : kAtmosphereMetals)
        for (const double years : {0.5, 1.0, 7.0, 20.0, 35.0, 90.0}) {
            const double b = TimeExponentsOf(metal).upper;
            const double loss = LongTermLoss(3.5, b, years);
            EXPECT_NEAR(YearsToLoss(3.5, b, loss), years, 1e-9 * years)
                << AtmosphereMetalKey(metal) << ' ' << years;
        }
    EXPECT_TRUE(std::isinf(YearsToLoss(0, 0.5, 100)));

    AtmosphereRequest request;
    request.source = AtmosphereSource::Thickness;
    request.firstYearLoss = 45;
    request.allowance = 1000;
    const AtmosphereAssessment result = Assess(request);
    ASSERT_TRUE(result.yearsToAllowance.has_value());
    // The upper estimate uses the allowance sooner than the mean one.
    const double mean = YearsToLoss(45, 0.523, 1000);
    EXPECT_LT(*result.yearsToAllowance, mean);
    EXPECT_EQ(Row(result, "Allowance used after"), ResultNumber(mean, 3));
    EXPECT_EQ(Row(result, "Mean rate to the allowance (upper)"),
        ResultNumber(1.0 / *result.yearsToAllowance));
}

TEST(AtmosphericCorrosivity, CouponLossesGiveTheCategoryOfTheirColumn)
{
    struct Case
    {
        M metal;
        AtmosphereSource source;
        double loss;
        std::string rate;
        std::string category;
    };
    const Case cases[] = {
        {M::Steel, AtmosphereSource::MassLoss, 300, "38.2", "C3 (200-400 g/m^2 per year)"},
        {M::Steel, AtmosphereSource::Thickness, 60, "60.0", "C4 (50-80 um/year)"},
        {M::Zinc, AtmosphereSource::MassLoss, 5, "0.700", "C2 (0.7-5 g/m^2 per year)"},
        {M::Copper, AtmosphereSource::Thickness, 0.1, "0.100", "C1 (up to 0.1 um/year)"},
        {M::Aluminium, AtmosphereSource::MassLoss, 0, "0", "C1 (negligible)"},
        {M::Aluminium, AtmosphereSource::Thickness, 1, "1.00", "C4 (2-5 g/m^2 per year)"},
    };
    for (const Case& c : cases) {
        AtmosphereRequest request;
        request.metal = c.metal;
        request.source = c.source;
        request.firstYearLoss = c.loss;
        const AtmosphereAssessment result = Assess(request);
        EXPECT_EQ(Row(result, "First-year rate"), c.rate) << AtmosphereMetalKey(c.metal);
        EXPECT_EQ(Row(result, "Category"), c.category) << AtmosphereMetalKey(c.metal);
    }
}

TEST(AtmosphericCorrosivity, InputsOutsideTheFunctionsDataAreNamed)
{
    struct Case
    {
        Climate climate;
        std::vector<std::string> notes;
    };
    const Case cases[] = {
        {{15, 75, 10, 50}, {}},
        {{-17.1, 34, 0.7, 0.4}, {}}, // the lower edges are inside
        {{28.7, 93, 150.4, 760.5}, {}},
        {{35, 75, 10, 50}, {"the temperature 35 C lies outside -17.1 to 28.7 C"}},
        {{15, 20, 0, 800},
            {"the relative humidity 20 % lies outside 34 to 93 %",
                "the SO2 deposition 0 mg/(m^2 d) lies outside 0.7 to 150.4 mg/(m^2 d)",
                "the chloride deposition 800 mg/(m^2 d) lies outside 0.4 to 760.5 mg/(m^2 d)"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OutsideDoseResponseRange(c.climate), c.notes) << c.climate.temperature;
        AtmosphereRequest request;
        request.climate = c.climate;
        size_t shown = 0;
        for (const CopyRow& row : Assess(request).rows)
            shown += row.label == "Outside the estimate's data";
        EXPECT_EQ(shown, c.notes.size());
    }
}

TEST(AtmosphericCorrosivity, RefusedRequestsNameTheirField)
{
    struct Case
    {
        AtmosphereRequest request;
        std::string field;
    };
    const auto climate = [](Climate value) {
        AtmosphereRequest request;
        request.climate = value;
        return request;
    };
    AtmosphereRequest years;
    years.years = 0.5;
    AtmosphereRequest tooManyYears;
    tooManyYears.years = 101;
    AtmosphereRequest allowance;
    allowance.allowance = 0;
    AtmosphereRequest negativeMass;
    negativeMass.source = AtmosphereSource::MassLoss;
    negativeMass.firstYearLoss = -1;
    AtmosphereRequest notANumber;
    notANumber.source = AtmosphereSource::Thickness;
    notANumber.firstYearLoss = std::nan("");
    const Case cases[] = {
        {climate({15, 101, 10, 50}), "humidity"},
        {climate({15, -1, 10, 50}), "humidity"},
        {climate({15, 75, -1, 50}), "so2"},
        {climate({15, 75, 10, -0.1}), "chloride"},
        {climate({1e6, 75, 10, 50}), "temperature"},
        {years, "years"},
        {tooManyYears, "years"},
        {allowance, "allowance"},
        {negativeMass, "mass"},
        {notANumber, "thickness"},
    };
    for (const Case& c : cases) {
        const Checked<AtmosphereAssessment> result = AssessAtmosphere(c.request);
        ASSERT_FALSE(result.ok()) << c.field;
        EXPECT_EQ(result.error().field, c.field);
    }
}

TEST(AtmosphericCorrosivity, LossTableRunsFromNaughtToTheLastYear)
{
    AtmosphereRequest request;
    request.source = AtmosphereSource::Thickness;
    request.firstYearLoss = 10;
    request.years = 50;
    const AtmosphereAssessment result = Assess(request);
    std::vector<double> years;
    for (const LossPoint& point : result.losses)
        years.push_back(point.years);
    EXPECT_EQ(years, (std::vector<double> {0, 1, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}));
    EXPECT_DOUBLE_EQ(result.losses[1].mean, 10);
    for (size_t i = 2; i < result.losses.size(); ++i)
        EXPECT_GT(result.losses[i].upper, result.losses[i].mean) << result.losses[i].years;
}

TEST(AtmosphericCorrosivity, ResultNumberTakesItsDigits)
{
    EXPECT_EQ(ResultNumber(45.0218, 3), "45.0");
    EXPECT_EQ(ResultNumber(0.72, 3), "0.720");
    EXPECT_EQ(ResultNumber(215.6, 3), "216");
    EXPECT_EQ(ResultNumber(2.6e-5, 3), "2.60e-05");
    EXPECT_EQ(ResultNumber(45.0218), "45.02");
}

} // namespace
} // namespace corrolab
