#include "tools/equivalent_weight.h"

#include "tools/element_table.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

// A row as the window fills it from the element table.
ComponentTexts Row(const char* symbol, const char* percentage)
{
    static const ElementTable table;
    const int z = table.FindSymbol(symbol);
    const double density = std::stod(table.Field(z, ElementTable::kDensity) == "--"
            ? std::string("0")
            : table.Field(z, ElementTable::kDensity));
    return {percentage, table.Field(z, ElementTable::kAtomicWeight),
        table.Field(z, ElementTable::kValence), std::to_string(density / 1000)};
}

TEST(CalculateMaterial, PureIron)
{
    const ComponentTexts rows[] = {Row("Fe", "100")};
    const auto result = CalculateMaterial(rows);
    ASSERT_TRUE(result.results.has_value());
    EXPECT_EQ(result.results->equivalentWeightText, " 27.9235");
    EXPECT_EQ(result.results->densityText, " 7.8600");
    EXPECT_EQ(result.results->ratioText, " 3.5526");
    EXPECT_EQ(result.results->totalText, "100");
    EXPECT_FALSE(result.totalMarker);
    EXPECT_FALSE(result.checkInputs);
}

TEST(CalculateMaterial, FractionsOfTheTotalButRatioOfHundred)
{
    const ComponentTexts rows[] = {{"50", "60", "2", "6"}, {"60", "30", "3", "3"}};
    const auto result = CalculateMaterial(rows);
    ASSERT_TRUE(result.results.has_value());
    EXPECT_EQ(result.total, 110);
    EXPECT_TRUE(result.totalMarker);
    EXPECT_DOUBLE_EQ(result.results->equivalentWeight, 50.0 / 110 * 30 + 60.0 / 110 * 10);
    EXPECT_DOUBLE_EQ(result.results->density, 50.0 / 110 * 6 + 60.0 / 110 * 3);
    EXPECT_DOUBLE_EQ(result.results->ratio, 0.5 * 60 / 12 + 0.6 * 30 / 9);
}

TEST(CalculateMaterial, CatalogueAlloysAgainstHandWrittenMeans)
{
    // 70/30 brass: EW = 0.7*63.54/1 + 0.3*65.37/2, density = 0.7*8.96 + 0.3*7.14.
    const ComponentTexts brass[] = {Row("Cu", "70"), Row("Zn", "30")};
    auto result = CalculateMaterial(brass);
    ASSERT_TRUE(result.results.has_value());
    EXPECT_NEAR(result.results->equivalentWeight, 0.7 * 63.54 + 0.3 * 65.37 / 2, 1e-9);
    EXPECT_NEAR(result.results->density, 0.7 * 8.96 + 0.3 * 7.14, 1e-9);
    EXPECT_NEAR(result.results->ratio, 0.7 * 63.54 / 8.96 + 0.3 * 65.37 / (2 * 7.14), 1e-9);

    // 94Al 4Cu 0.5Mg 0.5Mn, total 99.
    const ComponentTexts duralumin[]
        = {Row("Al", "94"), Row("Cu", "4"), Row("Mg", "0.5"), Row("Mn", "0.5")};
    result = CalculateMaterial(duralumin);
    ASSERT_TRUE(result.results.has_value());
    const double ew = (94 * 26.982 / 3 + 4 * 63.54 / 1 + 0.5 * 24.312 / 2 + 0.5 * 54.938 / 2) / 99;
    const double density = (94 * 2.7 + 4 * 8.96 + 0.5 * 1.74 + 0.5 * 7.43) / 99;
    EXPECT_NEAR(result.results->equivalentWeight, ew, 1e-9);
    EXPECT_NEAR(result.results->density, density, 1e-9);
    EXPECT_TRUE(result.totalMarker);
}

TEST(CalculateMaterial, RangesAndEmptyPercentages)
{
    const ComponentTexts rows[] = {Row("Al", "77"), Row("Zn", "21"), Row("Cu", "1.1"),
        Row("Fe", "0.5"), Row("Pb", ""), Row("Sn", "")};
    const auto result = CalculateMaterial(rows);
    ASSERT_TRUE(result.results.has_value());
    EXPECT_EQ(result.results->totalText, "99.6");
    EXPECT_TRUE(result.totalMarker);
    const ComponentTexts range[] = {Row("Al", "89"), Row("Cu", "12-14")};
    EXPECT_EQ(CalculateMaterial(range).total, 101);
}

struct FaultCase
{
    const char* what;
    std::vector<ComponentTexts> rows;
    bool checkInputs;
    std::optional<int> valenceRow;
    std::optional<int> densityRow;
};

TEST(CalculateMaterial, AbandonsOnEveryArithmeticFault)
{
    const FaultCase cases[] = {
        {"phosphorus has no valence", {Row("Fe", "50"), Row("P", "50")}, true, 1, 1},
        {"noble gas valence 0", {Row("He", "100")}, true, std::nullopt, std::nullopt},
        {"all percentages empty", {Row("Fe", ""), Row("Cu", "")}, false, std::nullopt,
            std::nullopt},
        {"zero density", {{"100", "55.8", "2", "0"}}, true, std::nullopt, 0},
        // A negative share is refused with the marker, even where the total is 0.
        {"percentages cancel", {Row("Fe", "50"), Row("Cu", "-50")}, true, std::nullopt,
            std::nullopt},
        {"percentage too large", {Row("Fe", "1e400")}, false, std::nullopt, std::nullopt},
        {"overflowing sum", {{"1e300", "1e300", "1e-300", "1"}}, true, std::nullopt, std::nullopt},
    };
    for (const FaultCase& c : cases) {
        const auto result = CalculateMaterial(c.rows);
        EXPECT_FALSE(result.results.has_value()) << c.what;
        EXPECT_EQ(result.checkInputs, c.checkInputs) << c.what;
        EXPECT_EQ(result.valenceMarkerRow, c.valenceRow) << c.what;
        EXPECT_EQ(result.densityMarkerRow, c.densityRow) << c.what;
    }
}

} // namespace
} // namespace corrolab
