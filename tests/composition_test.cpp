#include "tools/composition.h"

#include "alloys/alloy_catalogue.h"
#include "tests/support/classic_symbol_length.h"
#include "tools/component_row.h"
#include "tools/element_table.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

TEST(SplitComposition, SplitsPercentagesAndSymbols)
{
    const auto parts = SplitComposition("77Al 21Zn 1.1Cu 0.5Fe Pb Sn");
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[0].symbol, "Al");
    EXPECT_EQ(parts[0].percentage, "77");
    EXPECT_EQ(parts[2].percentage, "1.1");
    EXPECT_EQ(parts[4].symbol, "Pb");
    EXPECT_EQ(parts[4].percentage, "");
    const auto range = SplitComposition("89Al 12-14Cu");
    EXPECT_EQ(range[1].symbol, "Cu");
    EXPECT_EQ(range[1].percentage, "12-14");
}

TEST(SplitComposition, KeepsEmptyTokensAndHoldsAtMostTwentyFive)
{
    const auto parts = SplitComposition("50Fe  50Ni");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].symbol, "");
    EXPECT_EQ(SplitComposition("").size(), 1u);
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += (i ? " " : "") + std::string("1Fe");
    EXPECT_EQ(SplitComposition(many).size(), 25u);
}

TEST(SplitComposition, OneLetterSymbolsAfterZeroAndBareSymbols)
{
    EXPECT_EQ(SplitComposition("10C")[0].symbol, "C");
    EXPECT_EQ(SplitComposition("10C")[0].percentage, "10");
    EXPECT_EQ(SplitComposition("20W")[0].symbol, "W");
    EXPECT_EQ(SplitComposition("C")[0].symbol, "C");
    EXPECT_EQ(SplitComposition("C")[0].percentage, "");
    EXPECT_EQ(SplitComposition("1C")[0].symbol, "C");
}

// The symbol is the whole trailing run of letters, however long: a token such
// as "5Abc" names no element and must reach the lookup whole, to be refused
// there, rather than be cut to a two-letter symbol that might exist.
TEST(SplitComposition, SymbolsLongerThanTwoLettersStayWhole)
{
    struct Row
    {
        const char* token;
        const char* symbol;
        const char* percentage;
    };
    const Row rows[] = {
        {"5Abc", "Abc", "5"},
        {"12-14Xyz", "Xyz", "12-14"},
        {"Abcd", "Abcd", ""},
        {"0.5Mgx", "Mgx", "0.5"},
    };
    for (const Row& row : rows) {
        const auto parts = SplitComposition(row.token);
        ASSERT_EQ(parts.size(), 1u) << row.token;
        EXPECT_EQ(parts[0].symbol, row.symbol) << row.token;
        EXPECT_EQ(parts[0].percentage, row.percentage) << row.token;
    }
}

TEST(SplitComposition, AgreesWithTheClassicRuleOnEveryCatalogueString)
{
    const ElementTable elements;
    int checked = 0;
    for (const BaseMetal& base : AlloyCatalogue()) {
        for (const Alloy& alloy : base.alloys) {
            const auto parts = SplitComposition(alloy.composition);
            EXPECT_LE(parts.size(), 9u) << alloy.name;
            size_t start = 0;
            for (const Component& part : parts) {
                const size_t end = alloy.composition.find(' ', start);
                const std::string_view token = alloy.composition.substr(start, end - start);
                start = end + 1;
                const size_t classic = ClassicSymbolLength(token);
                EXPECT_EQ(part.symbol, token.substr(token.size() - classic))
                    << alloy.name << ": " << token;
                EXPECT_GT(elements.FindSymbol(part.symbol), 0) << alloy.name << ": " << token;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 400);
}

// The grid holds nine components: a composition with more gives no rows at all,
// never nine of them.
TEST(CompositionRows, AsManyRowsAsComponentsUpToTheGridSize)
{
    const ElementTable elements;
    struct Row
    {
        const char* composition;
        int rows; // -1: refused
    };
    const Row rows[] = {
        {"100Fe", 1},
        {"60Cu 40Zn", 2},
        {"1Fe 1Ni 1Cr 1Mo 1Cu 1Al 1Zn 1Sn", 8},
        {"1Fe 1Ni 1Cr 1Mo 1Cu 1Al 1Zn 1Sn 1Pb", 9},
        {"1Fe 1Ni 1Cr 1Mo 1Cu 1Al 1Zn 1Sn 1Pb 1Ag", -1},
        {"1Fe 1Ni 1Cr 1Mo 1Cu 1Al 1Zn 1Sn 1Pb  ", -1}, // blanks count as components
        {"1Fe 1Ni 1Cr 1Mo 1Cu 1Al 1Zn 1Sn 1Pb 1Ag 1Co 1Ti 1W 1V 1Nb 1Ta 1Zr 1Hf 1Re 1Os "
         "1Ir 1Pt 1Au 1Ru 1Rh 1Pd",
            -1},
    };
    for (const Row& row : rows) {
        const auto grid = CompositionRows(elements, row.composition);
        EXPECT_EQ(grid ? static_cast<int>(grid->size()) : -1, row.rows) << row.composition;
    }
    const auto nine = CompositionRows(elements, rows[3].composition);
    ASSERT_TRUE(nine);
    EXPECT_EQ(nine->back().percentage, "1");
    EXPECT_EQ(nine->back().atomicWeight, FillElementRow(elements, "Pb").atomicWeight);
}

} // namespace
} // namespace corrolab
