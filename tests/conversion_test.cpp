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

std::optional<double> ConvertValue(
    const UnitTable& table, std::string_view value, std::string_view from, std::string_view to)
{
    return Conversion::FromUnitTable(table, from, to).Apply(value, false).number;
}

// The result box's text for a conversion, empty when none is possible.
std::string ResultBox(const UnitTable& table, std::string_view value, std::string_view from,
    std::string_view to, bool scientific)
{
    return Conversion::FromUnitTable(table, from, to).Format(value, scientific);
}

UnitTable IronTable()
{
    UnitTable table;
    LoadCorrosionRateUnits(table, kEw, kV);
    return table;
}

// Iron (EW 27.92 g, density 7.86 g/cm^3) against published figures: ASTM G102
// gives CR = 3.27e-3 * i * EW / density mm/year, 0.129 * i * EW / density mpy
// and 8.954e-3 * i * EW g/m^2-d (i in micro_amp/cm^2), each to the figures
// printed; the other rows are the units' definitions (25.4 mm per inch, 1000
// mils per inch, 86400 s per day, 100 cm^2 per dm^2).
TEST(CorrosionRateUnits, IronAgreesWithPublishedFigures)
{
    struct Row
    {
        const char* from;
        const char* to;
        double expected; // the value of 1 `from` in `to`
        double relative; // the published figure's precision
    };
    const Row rows[] = {
        {"micro_amp/cm^2", "mm/year", 3.27e-3 * kV, 2e-3}, // 0.01161
        {"micro_amp/cm^2", "mpy", 0.129 * kV, 4e-3}, // 0.4573
        {"micro_amp/cm^2", "mdd", 8.954e-3 * kEw * 10, 1e-3}, // g/m^2-d = mdd / 10
        {"amp/cm^2", "milli_amp/cm^2", 1e3, 1e-7},
        {"milli_amp/cm^2", "micro_amp/cm^2", 1e3, 1e-7},
        {"mpy", "mm/year", 0.0254, 1e-7},
        {"ipy", "mpy", 1e3, 1e-7},
        {"ipy", "mm/year", 25.4, 1e-7},
        {"mdd", "mg/dm^2-s", 1 / 86400.0, 1e-7},
        {"mg/dm^2-s", "mg/cm^2-s", 0.01, 1e-7},
        {"mg/cm^2-s", "g/cm^2-s", 1e-3, 1e-7},
        // A mass loss of 1 g/cm^2-s over the density (EW / V, 7.86): 10 mm/cm,
        // a year of 365.25 days.
        {"g/cm^2-s", "mm/year", 10 * 365.25 * 86400 / (kEw / kV), 2e-7},
    };
    const UnitTable table = IronTable();
    for (const Row& row : rows) {
        const auto there = ConvertValue(table, "1", row.from, row.to);
        ASSERT_TRUE(there.has_value()) << row.from << " -> " << row.to;
        EXPECT_NEAR(*there / row.expected, 1.0, row.relative) << row.from << " -> " << row.to;
        const auto back = ConvertValue(table, "1", row.to, row.from);
        ASSERT_TRUE(back.has_value()) << row.to << " -> " << row.from;
        EXPECT_NEAR(*back * row.expected, 1.0, row.relative) << row.to << " -> " << row.from;
    }
}

TEST(CorrosionRateUnits, KnownIronFigures)
{
    const UnitTable table = IronTable();
    EXPECT_NEAR(*ConvertValue(table, "1", "amp/cm^2", "g/cm^2-s"), 2.893e-4, 5e-8);
    EXPECT_NEAR(*ConvertValue(table, "1", "amp/cm^2", "mm/year"), 11617.8, 0.05);
    EXPECT_NEAR(*ConvertValue(table, "1", "micro_amp/cm^2", "mpy"), 0.4574, 5e-5);
    EXPECT_NEAR(*ConvertValue(table, "1", "mpy", "micro_amp/cm^2"), 2.186, 5e-4);
    EXPECT_EQ(ResultBox(table, "1", "milli_amp/cm^2", "micro_amp/cm^2", false), " 1000.000");
    EXPECT_EQ(ResultBox(table, "1", "micro_amp/cm^2", "mpy", false), " .4573");
    EXPECT_EQ(ResultBox(table, "3.25", "mdd", "mdd", false), " 3.250");
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

TEST(TableConversion, IsEmptyWhenNoConversionIsPossible)
{
    UnitTable table = IronTable();
    table.Store(1, 2, "widget", 0);
    table.Store(2, 2, "gadget", 5);
    EXPECT_EQ(ResultBox(table, "1", "mpy", "furlong", false), "");
    EXPECT_EQ(ResultBox(table, "1", "furlong", "mpy", false), "");
    EXPECT_EQ(ResultBox(table, "1", "mpy", "gadget", false), "");
    EXPECT_EQ(ResultBox(table, "1", "widget", "gadget", false), "");
    EXPECT_EQ(ResultBox(table, "1", "gadget", "widget", false), " 0.000");
    EXPECT_EQ(ResultBox(table, "1", "MPY", "mpy", false), "");
}

TEST(TableConversion, MaterialWithoutNumbersGivesNoMassLossSource)
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 0, 0);
    EXPECT_EQ(ResultBox(table, "1", "mdd", "amp/cm^2", false), "");
    EXPECT_EQ(ResultBox(table, "1", "mpy", "amp/cm^2", false), "");
    EXPECT_EQ(ResultBox(table, "1", "amp/cm^2", "mdd", false), " 0.000");
}

TEST(TableConversion, UsesTheFirstCategoryHoldingBothNames)
{
    UnitTable table;
    table.Store(1, 3, "a", 1);
    table.Store(2, 3, "c", 3);
    table.Store(1, 5, "a", 1);
    table.Store(2, 5, "b", 2);
    table.Store(1, 7, "a", 1);
    table.Store(2, 7, "b", 4);
    EXPECT_EQ(ResultBox(table, "1", "a", "b", false), " 2.000");
}

TEST(TableConversion, NeverShowsAnUnfaithfulNumber)
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 1e308, std::numeric_limits<double>::infinity());
    EXPECT_EQ(ResultBox(table, "1", "amp/cm^2", "mpy", false), "");
    EXPECT_EQ(ResultBox(table, "1", "amp/cm^2", "mdd", false), "");
    const UnitTable iron = IronTable();
    EXPECT_EQ(ResultBox(iron, "1e400", "mpy", "mpy", false), "");
    EXPECT_EQ(ResultBox(iron, std::string(400, '9'), "mpy", "mpy", false), "");
    EXPECT_EQ(ResultBox(iron, "1e308", "amp/cm^2", "micro_amp/cm^2", false), "");
    EXPECT_EQ(ResultBox(iron, "abc", "mpy", "mdd", false), " 0.000");
}

TEST(TableConversion, ScientificForm)
{
    const UnitTable table = IronTable();
    EXPECT_EQ(ResultBox(table, "1.5", "amp/cm^2", "milli_amp/cm^2", true), "1.500 x E+03");
    EXPECT_EQ(ResultBox(table, "-1.5", "amp/cm^2", "milli_amp/cm^2", true), "-1.500 x E+03");
    EXPECT_EQ(ResultBox(table, "1", "amp/cm^2", "g/cm^2-s", true), "2.893 x E-04");
    EXPECT_EQ(ResultBox(table, "1e-300", "amp/cm^2", "amp/cm^2", true), "1.000 x E-300");
    EXPECT_EQ(ResultBox(table, "2.5E-7", "amp/cm^2", "amp/cm^2", false), " .0000002500");
}

// Each refusal names its culprit; a resolved pair gives no reason.
TEST(TableConversion, RefusalsSayWhy)
{
    UnitTable table = IronTable();
    table.Store(1, 2, "widget", 0);
    table.Store(2, 2, "gadget", 5);
    struct Row
    {
        const char* from;
        const char* to;
        const char* reason;
    };
    const Row rows[] = {
        {"furlong", "mpy", "unknown unit 'furlong'"},
        {"mpy", "furlong", "unknown unit 'furlong'"},
        {"furlong", "league", "unknown unit 'furlong'"},
        {"mpy", "gadget", "'mpy' and 'gadget' are not units of one category"},
        {"widget", "gadget",
            "'widget' cannot be converted from for this material (its factor is 0 or unusable)"},
        {"gadget", "widget", ""},
        {"mdd", "mpy", ""},
    };
    for (const Row& row : rows) {
        const Conversion conversion = Conversion::FromUnitTable(table, row.from, row.to);
        EXPECT_EQ(conversion.reason(), row.reason) << row.from << " -> " << row.to;
        EXPECT_EQ(conversion.resolved(), std::string(row.reason).empty())
            << row.from << " -> " << row.to;
    }
}

// A resolved pair keeps the factors it was resolved with: reloading the table
// for another material does not change it.
TEST(TableConversion, KeepsTheRatioItWasResolvedWith)
{
    UnitTable table = IronTable();
    const Conversion iron = Conversion::FromUnitTable(table, "amp/cm^2", "mdd");
    LoadCorrosionRateUnits(table, 2 * kEw, kV);
    EXPECT_EQ(iron.Format("1", false), ResultBox(IronTable(), "1", "amp/cm^2", "mdd", false));
    EXPECT_NE(iron.Format("1", false), ResultBox(table, "1", "amp/cm^2", "mdd", false));
}

// The rounding allowance of the single-precision ratio holds in both forms and
// for every value of a stream: 100 x 0.965f is 96.499997.
TEST(TableConversion, RatioRoundingIsNotCutAway)
{
    UnitTable table;
    table.Store(1, 34, "US DOLLAR", 1);
    table.Store(2, 34, "EURO", 0.965);
    const Conversion conversion = Conversion::FromUnitTable(table, "US Dollar", "Euro");
    EXPECT_EQ(conversion.Format("100", false), " 96.500");
    EXPECT_EQ(conversion.Format("100", true), "9.650 x E+01");
    EXPECT_EQ(conversion.Format("100", false), " 96.500");
    EXPECT_EQ(conversion.Format("1000", false), " 965.000");
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
