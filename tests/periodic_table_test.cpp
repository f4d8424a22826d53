#include "tools/element_facts.h"
#include "tools/element_search.h"
#include "tools/element_table.h"
#include "tools/heat_scale.h"
#include "tools/periodic_layout.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace corrolab {
namespace {

struct PlaceCase
{
    const char* symbol;
    int z;
    int row;
    int column;
};

// Periods in rows 1-7, lanthanides in row 8 and actinides in row 9, each
// series from column 3 (La, Ac) to column 17 (Lu, Lr).
constexpr PlaceCase kPlaces[] = {
    {"H", 1, 1, 1},
    {"He", 2, 1, 18},
    {"Li", 3, 2, 1},
    {"B", 5, 2, 13},
    {"Ne", 10, 2, 18},
    {"Al", 13, 3, 13},
    {"K", 19, 4, 1},
    {"Fe", 26, 4, 8},
    {"Kr", 36, 4, 18},
    {"Mo", 42, 5, 6},
    {"Ba", 56, 6, 2},
    {"La", 57, 8, 3},
    {"Ce", 58, 8, 4},
    {"Lu", 71, 8, 17},
    {"Hf", 72, 6, 4},
    {"Rn", 86, 6, 18},
    {"Ra", 88, 7, 2},
    {"Ac", 89, 9, 3},
    {"Th", 90, 9, 4},
    {"Lr", 103, 9, 17},
    {"Rf", 104, 7, 4},
    {"Og", 118, 7, 18},
};

TEST(PeriodicLayout, PlacesEachElementAndFindsItBack)
{
    for (const PlaceCase& c : kPlaces) {
        SCOPED_TRACE(c.symbol);
        EXPECT_EQ(CellOf(c.z), (TableCell {c.row, c.column}));
        EXPECT_EQ(ElementAt(c.row, c.column), c.z);
    }
}

TEST(PeriodicLayout, EveryPlacedElementHasItsOwnPlace)
{
    std::set<std::pair<int, int>> taken;
    for (int z = 1; z <= kLastPlacedElement; ++z) {
        const auto cell = CellOf(z);
        ASSERT_TRUE(cell) << z;
        EXPECT_TRUE(taken.insert({cell->row, cell->column}).second) << "element " << z;
        EXPECT_GE(cell->row, 1);
        EXPECT_LE(cell->row, kTableRows);
        EXPECT_GE(cell->column, 1);
        EXPECT_LE(cell->column, kTableColumns);
    }
    EXPECT_EQ(taken.size(), 118u);
    EXPECT_FALSE(CellOf(0));
    EXPECT_FALSE(CellOf(119));
}

struct EmptyCase
{
    int row;
    int column;
    int seriesStart; // the series a group-3 place stands for, or 0
};

constexpr EmptyCase kEmptyPlaces[] = {
    {1, 2, 0}, // the gap between hydrogen and helium
    {1, 17, 0},
    {2, 3, 0},
    {3, 12, 0},
    {6, 3, 57}, // stands for the lanthanides below
    {7, 3, 89}, // stands for the actinides below
    {8, 1, 0},
    {8, 2, 0},
    {8, 18, 0},
    {9, 18, 0},
    {0, 1, 0}, // outside the table
    {10, 1, 0},
    {1, 19, 0},
};

TEST(PeriodicLayout, LeavesTheGapsEmpty)
{
    for (const EmptyCase& c : kEmptyPlaces) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column);
        EXPECT_EQ(ElementAt(c.row, c.column), 0);
        EXPECT_EQ(SeriesStartAt(c.row, c.column), c.seriesStart);
    }
}

struct StepCase
{
    const char* name;
    int from;
    TableStep step;
    int to;
};

constexpr int kHeld = 109;

constexpr StepCase kSteps[] = {
    {"right along a period", 26, TableStep::Right, 27},
    {"right across the gap of period 1", 1, TableStep::Right, 2},
    {"left across the gap of period 2", 5, TableStep::Left, 4},
    {"up a group", 44, TableStep::Up, 26},
    {"up from iron, whose group period 3 does not reach", 26, TableStep::Up, 26},
    {"down a group", 26, TableStep::Down, 44},
    {"up from boron finds nothing", 5, TableStep::Up, 5},
    {"left edge stays", 1, TableStep::Left, 1},
    {"down from radium finds nothing", 88, TableStep::Down, 88},
    {"down from rutherfordium into the lanthanides", 104, TableStep::Down, 58},
    {"down from cerium to thorium", 58, TableStep::Down, 90},
    {"up from lanthanum passes the series places", 57, TableStep::Up, 39},
    {"right past the last held element stays", 109, TableStep::Right, 109},
};

TEST(PeriodicLayout, StepsAcrossTheTable)
{
    for (const StepCase& c : kSteps)
        EXPECT_EQ(StepFrom(c.from, c.step, kHeld), c.to) << c.name;
}

struct FamilyCase
{
    int z;
    ElementFamily family;
};

constexpr FamilyCase kFamilies[] = {
    {1, ElementFamily::Nonmetal},
    {2, ElementFamily::NobleGas},
    {11, ElementFamily::AlkaliMetal},
    {12, ElementFamily::AlkalineEarthMetal},
    {13, ElementFamily::PostTransitionMetal},
    {14, ElementFamily::Metalloid},
    {17, ElementFamily::Halogen},
    {26, ElementFamily::TransitionMetal},
    {57, ElementFamily::Lanthanide},
    {71, ElementFamily::Lanthanide},
    {72, ElementFamily::TransitionMetal},
    {89, ElementFamily::Actinide},
    {103, ElementFamily::Actinide},
    {104, ElementFamily::TransitionMetal},
};

TEST(PeriodicLayout, NamesTheFamilies)
{
    for (const FamilyCase& c : kFamilies)
        EXPECT_EQ(FamilyOf(c.z), c.family) << "element " << c.z;
    std::set<std::string_view> names;
    for (int z = 1; z <= kLastPlacedElement; ++z)
        names.insert(FamilyName(FamilyOf(z)));
    EXPECT_EQ(names.size(), static_cast<size_t>(kFamilyCount));
    EXPECT_FALSE(names.contains(""));
}

struct FactCase
{
    const char* label;
    const char* value;
};

// Iron's record, every field with its unit.
constexpr FactCase kIronFacts[] = {
    {"Name", "Iron"},
    {"Symbol", "Fe"},
    {"Atomic number", "26"},
    {"Atomic weight", "55.847 g/mol"},
    {"Density", "7860 kg/m^3"},
    {"Valence", "2"},
    {"Electron configuration", "[Ar] 4s2 3d6"},
};

TEST(ElementFacts, DescribesEveryFieldOfIronWithItsUnit)
{
    const std::vector<FactLine> facts = ElementFacts(26);
    ASSERT_EQ(facts.size(), static_cast<size_t>(kRecordFields));
    for (const FactCase& c : kIronFacts) {
        SCOPED_TRACE(c.label);
        const auto found = std::ranges::find(facts, std::string(c.label), &FactLine::label);
        ASSERT_NE(found, facts.end());
        EXPECT_EQ(found->value, c.value);
    }
    // The last field, which the tools window never loads, is shown too.
    EXPECT_EQ(facts.back().label, "Uses");
    EXPECT_NE(facts.back().value, "not known");
    EXPECT_FALSE(facts.back().value.empty());
}

TEST(ElementFacts, ShowsMissingValuesAsNotKnown)
{
    // Helium has no melting point ("--"), actinium an empty conductivity field,
    // and element 109 only its name, symbol, number and weight among the numbers.
    EXPECT_EQ(ElementFacts(2)[6].value, "not known");
    EXPECT_EQ(ElementFacts(89)[10].value, "not known");
    EXPECT_EQ(ElementFacts(89)[11].label, "Thermal conductivity"); // fields stay in place
    EXPECT_EQ(ElementFacts(109)[7].value, "not known");
    EXPECT_EQ(ElementFacts(109)[0].value, "Meitnerium");
    EXPECT_TRUE(ElementFacts(110).empty());
    EXPECT_TRUE(ElementFacts(0).empty());
}

TEST(ElementFacts, AgreesWithTheLoadedTable)
{
    const ElementTable table;
    for (int z = 1; z <= ElementTable::kLastElement; ++z) {
        const std::vector<std::string> record = RecordOf(z);
        for (int k = 1; k <= ElementTable::kLastField; ++k)
            EXPECT_EQ(record[static_cast<size_t>(k - 1)], table.Field(z, k))
                << "element " << z << " field " << k;
    }
}

TEST(ElementFacts, ReadsNumbersOnlyFromNumericFields)
{
    EXPECT_EQ(NumericField(26, 8), 7860);
    EXPECT_EQ(NumericField(1, 6), -253); // a boiling point below zero
    EXPECT_FALSE(NumericField(2, 7)); // "--"
    EXPECT_FALSE(NumericField(26, 1)); // the name is no number
    EXPECT_FALSE(NumericField(26, 23));
    EXPECT_EQ(CellValue(26, 4), "55.847");
    EXPECT_EQ(CellValue(2, 7), "");
}

TEST(HeatScale, DensityRunsFromHydrogenToOsmium)
{
    // Hydrogen is the lightest element of the records and osmium the densest.
    const auto scale = HeatScale::OfField(8, LastRecordedElement());
    ASSERT_TRUE(scale);
    EXPECT_EQ(scale->low(), NumericField(1, 8));
    EXPECT_EQ(scale->high(), NumericField(76, 8));
    for (int z = 1; z <= LastRecordedElement(); ++z)
        if (const auto value = NumericField(z, 8)) {
            EXPECT_GE(*value, scale->low()) << z;
            EXPECT_LE(*value, scale->high()) << z;
        }
    EXPECT_EQ(scale->ColourOfElement(1), HeatColour(0));
    EXPECT_EQ(scale->ColourOfElement(76), HeatColour(1));
    EXPECT_FALSE(scale->ColourOfElement(109)); // no density
    const std::vector<double> legend = scale->LegendValues(5);
    ASSERT_EQ(legend.size(), 5u);
    EXPECT_EQ(legend.front(), scale->low());
    EXPECT_EQ(legend.back(), scale->high());
}

TEST(HeatScale, HasNoScaleForTextOrUnknownFields)
{
    EXPECT_FALSE(HeatScale::OfField(1, LastRecordedElement())); // names
    EXPECT_FALSE(HeatScale::OfField(18, LastRecordedElement())); // crystal structures
    EXPECT_FALSE(HeatScale::OfField(0, LastRecordedElement()));
    EXPECT_FALSE(HeatScale::OfField(8, 1)); // one value is no scale
}

TEST(HeatScale, ColoursRunFromCoolToHot)
{
    const Rgb cool = HeatColour(0);
    const Rgb hot = HeatColour(1);
    EXPECT_GT(cool.blue, cool.red);
    EXPECT_GT(hot.red, hot.blue);
    EXPECT_EQ(HeatColour(-1), cool);
    EXPECT_EQ(HeatColour(2), hot);
    EXPECT_EQ(HeatColour(std::nan("")), cool);
    EXPECT_TRUE(WantsLightText(cool));
    EXPECT_FALSE(WantsLightText(HeatColour(0.75))); // yellow
}

struct SearchCase
{
    const char* text;
    int first;
};

constexpr SearchCase kSearches[] = {
    {"Fe", 26},
    {"fe", 26},
    {" 26 ", 26},
    {"iron", 26},
    {"IRON", 26},
    {"Iri", 77},
    {"C", 6}, // the symbol before names that begin with C
    {"Co", 27},
    {"109", 109},
    {"Une", 109},
    {"wolf", 74},
};

TEST(ElementSearch, FindsBySymbolNameOrNumber)
{
    for (const SearchCase& c : kSearches) {
        const std::vector<int> found = SearchElements(c.text);
        ASSERT_FALSE(found.empty()) << c.text;
        EXPECT_EQ(found.front(), c.first) << c.text;
    }
}

TEST(ElementSearch, FindsNothingForUnknownText)
{
    for (const char* text : {"", "  ", "0", "110", "Xx", "26x"})
        EXPECT_TRUE(SearchElements(text).empty()) << '"' << text << '"';
}

TEST(ElementSearch, ListsEveryNameThatHoldsTheText)
{
    // "ium" ends many names; none is listed twice.
    const std::vector<int> found = SearchElements("ium");
    const std::set<int> unique(found.begin(), found.end());
    EXPECT_EQ(unique.size(), found.size());
    EXPECT_TRUE(unique.contains(3)); // Lithium
    EXPECT_TRUE(unique.contains(22)); // Titanium
    EXPECT_FALSE(unique.contains(26));
}

} // namespace
} // namespace corrolab
