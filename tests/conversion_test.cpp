#include "app/conversion.h"

#include "corrosion/corrosion_rate_units.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace corrolab {
namespace {

constexpr double kEw = 27.92;
constexpr double kV = 3.5526;

// The value of 1 A/cm^2 in each unit, worked out from Faraday's law: a current
// density i dissolves i * EW / F grams per cm^2 per second, and the metal
// recedes by that mass over its density (V = EW / density).
std::map<std::string, double> FirstPrinciples(double ew, double v)
{
    const double faraday = 96500;
    const double gramsPerCm2PerSecond = ew / faraday;
    const double cm3PerCm2PerSecond = v / faraday; // mass loss / density
    const double year = 365.25 * 24 * 3600;
    const double cmPerYear = cm3PerCm2PerSecond * year;
    return {
        {"micro_amp/cm^2", 1e6},
        {"milli_amp/cm^2", 1e3},
        {"amp/cm^2", 1},
        {"g/cm^2-s", gramsPerCm2PerSecond},
        {"mg/cm^2-s", gramsPerCm2PerSecond * 1e3},
        {"mg/dm^2-s", gramsPerCm2PerSecond * 1e3 * 100},
        {"mdd", gramsPerCm2PerSecond * 1e3 * 100 * 86400},
        {"mm/year", cmPerYear * 10},
        {"ipy", cmPerYear / 2.54},
        {"mpy", cmPerYear / 2.54 * 1000},
    };
}

std::optional<double> ConvertValue(
    const UnitTable& table, std::string_view value, std::string_view from, std::string_view to)
{
    const auto conversion = ResolveUnits(table, from, to);
    return conversion ? ApplyConversion(*conversion, value) : std::nullopt;
}

UnitTable IronTable()
{
    UnitTable table;
    LoadCorrosionRateUnits(table, kEw, kV);
    return table;
}

TEST(CorrosionRateUnits, EveryPairMatchesFaradaysLaw)
{
    const UnitTable table = IronTable();
    const auto expected = FirstPrinciples(kEw, kV);
    ASSERT_EQ(table.unitCount, 10);
    for (int from = 1; from <= 10; ++from) {
        for (int to = 1; to <= 10; ++to) {
            const std::string a = table.Name(from, kCorrosionRateCategory);
            const std::string b = table.Name(to, kCorrosionRateCategory);
            const auto x = ConvertValue(table, "1", a, b);
            ASSERT_TRUE(x.has_value()) << a << " -> " << b;
            const double truth = expected.at(b) / expected.at(a);
            // The ratio is kept in single precision.
            EXPECT_NEAR(*x / truth, 1.0, 2e-7) << a << " -> " << b;
        }
    }
}

TEST(CorrosionRateUnits, KnownIronFigures)
{
    const UnitTable table = IronTable();
    EXPECT_NEAR(*ConvertValue(table, "1", "amp/cm^2", "g/cm^2-s"), 2.893e-4, 5e-8);
    EXPECT_NEAR(*ConvertValue(table, "1", "amp/cm^2", "mm/year"), 11617.8, 0.05);
    EXPECT_NEAR(*ConvertValue(table, "1", "micro_amp/cm^2", "mpy"), 0.4574, 5e-5);
    EXPECT_NEAR(*ConvertValue(table, "1", "mpy", "micro_amp/cm^2"), 2.186, 5e-4);
    EXPECT_EQ(GetResult(table, "1", "milli_amp/cm^2", "micro_amp/cm^2", false), " 1000.000");
    EXPECT_EQ(GetResult(table, "1", "micro_amp/cm^2", "mpy", false), " .4573");
    EXPECT_EQ(GetResult(table, "3.25", "mdd", "mdd", false), " 3.250");
}

TEST(CorrosionRateUnits, EachMaterialValueMovesOnlyItsOwnFactors)
{
    const auto base = CorrosionRateFactors(kEw, kV);
    const auto newEw = CorrosionRateFactors(kEw * 2, kV);
    const auto newV = CorrosionRateFactors(kEw, kV * 2);
    for (size_t i = 0; i < base.size(); ++i) {
        const bool massLoss = i >= 3 && i <= 6;
        const bool penetration = i >= 7;
        EXPECT_EQ(newEw[i].factor != base[i].factor, massLoss) << base[i].name;
        EXPECT_EQ(newV[i].factor != base[i].factor, penetration) << base[i].name;
    }
    EXPECT_EQ(CorrosionRateFactors(kEw, kV)[1].factor, 1000);
}

TEST(CorrosionRateUnits, RebuildsTheRowOnEveryLoad)
{
    UnitTable table = IronTable();
    LoadCorrosionRateUnits(table, 31.77, 3.546);
    EXPECT_NEAR(*ConvertValue(table, "1", "amp/cm^2", "g/cm^2-s"), 31.77 / 96500, 1e-10);
    EXPECT_EQ(table.Name(11, kCorrosionRateCategory), "");
}

TEST(GetResult, IsEmptyWhenNoConversionIsPossible)
{
    UnitTable table = IronTable();
    table.Store(1, 2, "widget", 0);
    table.Store(2, 2, "gadget", 5);
    EXPECT_EQ(GetResult(table, "1", "mpy", "furlong", false), "");
    EXPECT_EQ(GetResult(table, "1", "furlong", "mpy", false), "");
    EXPECT_EQ(GetResult(table, "1", "mpy", "gadget", false), "");
    EXPECT_EQ(GetResult(table, "1", "widget", "gadget", false), "");
    EXPECT_EQ(GetResult(table, "1", "gadget", "widget", false), " 0.000");
    EXPECT_EQ(GetResult(table, "1", "MPY", "mpy", false), "");
}

TEST(GetResult, MaterialWithoutNumbersGivesNoMassLossSource)
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 0, 0);
    EXPECT_EQ(GetResult(table, "1", "mdd", "amp/cm^2", false), "");
    EXPECT_EQ(GetResult(table, "1", "mpy", "amp/cm^2", false), "");
    EXPECT_EQ(GetResult(table, "1", "amp/cm^2", "mdd", false), " 0.000");
}

TEST(GetResult, UsesTheFirstCategoryHoldingBothNames)
{
    UnitTable table;
    table.Store(1, 3, "a", 1);
    table.Store(2, 3, "c", 3);
    table.Store(1, 5, "a", 1);
    table.Store(2, 5, "b", 2);
    table.Store(1, 7, "a", 1);
    table.Store(2, 7, "b", 4);
    EXPECT_EQ(GetResult(table, "1", "a", "b", false), " 2.000");
}

TEST(GetResult, NeverShowsAnUnfaithfulNumber)
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 1e308, std::numeric_limits<double>::infinity());
    EXPECT_EQ(GetResult(table, "1", "amp/cm^2", "mpy", false), "");
    EXPECT_EQ(GetResult(table, "1", "amp/cm^2", "mdd", false), "");
    const UnitTable iron = IronTable();
    EXPECT_EQ(GetResult(iron, "1e400", "mpy", "mpy", false), "");
    EXPECT_EQ(GetResult(iron, std::string(400, '9'), "mpy", "mpy", false), "");
    EXPECT_EQ(GetResult(iron, "1e308", "amp/cm^2", "micro_amp/cm^2", false), "");
    EXPECT_EQ(GetResult(iron, "abc", "mpy", "mdd", false), " 0.000");
}

TEST(GetResult, ScientificForm)
{
    const UnitTable table = IronTable();
    EXPECT_EQ(GetResult(table, "1.5", "amp/cm^2", "milli_amp/cm^2", true), "1.500 x E+03");
    EXPECT_EQ(GetResult(table, "-1.5", "amp/cm^2", "milli_amp/cm^2", true), "-1.500 x E+03");
    EXPECT_EQ(GetResult(table, "1", "amp/cm^2", "g/cm^2-s", true), "2.893 x E-04");
    EXPECT_EQ(GetResult(table, "1e-300", "amp/cm^2", "amp/cm^2", true), "1.000 x E-300");
    EXPECT_EQ(GetResult(table, "2.5E-7", "amp/cm^2", "amp/cm^2", false), " .0000002500");
}

TEST(UnitTable, RefusesStoresOutsideItsBounds)
{
    UnitTable table;
    EXPECT_FALSE(table.Store(101, 1, "x", 1));
    EXPECT_FALSE(table.Store(1, 41, "x", 1));
    EXPECT_FALSE(table.Store(-1, 1, "x", 1));
    EXPECT_TRUE(table.Store(100, 40, "edge", 2));
    EXPECT_EQ(table.Name(100, 40), "edge");
    EXPECT_EQ(table.Name(101, 40), "");
    EXPECT_EQ(table.Factor(1, 41), 0);
}

} // namespace
} // namespace corrolab
