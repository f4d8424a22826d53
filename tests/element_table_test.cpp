#include "tools/element_table.h"

#include <climits>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

TEST(ElementTable, LooksUpBySymbolAndAtomicNumber)
{
    const ElementTable table;
    const int iron = table.FindSymbol("Fe");
    ASSERT_EQ(iron, 26);
    EXPECT_EQ(table.Field(iron, ElementTable::kName), "Iron");
    EXPECT_EQ(table.Field(iron, ElementTable::kAtomicWeight), "55.847");
    EXPECT_EQ(table.Field(iron, ElementTable::kValence), "2");
    EXPECT_EQ(table.Field(iron, ElementTable::kDensity), "7860");
    EXPECT_EQ(table.FindSymbol("fe"), 0);
    EXPECT_EQ(table.FindSymbol(""), 0);
    EXPECT_EQ(table.Field(100, ElementTable::kSymbol), "Fm");
}

TEST(ElementTable, LoadsOnlyElementsOneToHundredAndFieldsOneToTwentyOne)
{
    const ElementTable table;
    EXPECT_EQ(table.FindSymbol("Md"), 0); // element 101
    EXPECT_EQ(table.FindSymbol("Unq"), 0);
    EXPECT_EQ(table.Field(101, 1), "");
    EXPECT_EQ(table.Field(0, 1), "");
    EXPECT_EQ(table.Field(26, 22), "");
    EXPECT_NE(table.Field(26, 21), "");
    EXPECT_EQ(table.Field(26, 21), "[Ar] 4s2 3d6");
}

// Every place outside elements 1..100 and fields 1..21 reads as empty, however
// far outside it lies; the edges inside still read their fields.
TEST(ElementTable, PlacesOutsideTheTableReadEmpty)
{
    const ElementTable table;
    struct Place
    {
        int z;
        int k;
    };
    const Place outside[] = {{101, 1}, {110, 2}, {111, 1}, {1000, 1}, {INT_MAX, 1}, {-1, 1},
        {INT_MIN, 1}, {26, 22}, {26, 23}, {26, 1000}, {26, INT_MAX}, {26, -1}, {101, 22}, {-1, -1}};
    for (const Place& place : outside)
        EXPECT_EQ(table.Field(place.z, place.k), "") << place.z << ", " << place.k;
    EXPECT_EQ(table.Field(1, ElementTable::kName), "Hydrogen");
    EXPECT_EQ(table.Field(100, ElementTable::kSymbol), "Fm");
    EXPECT_NE(table.Field(100, ElementTable::kLastField), "");
}

TEST(ElementTable, KeepsFieldsInPlaceAfterAnEmptyOne)
{
    const ElementTable table;
    EXPECT_EQ(table.Field(89, ElementTable::kName), "Actinium");
    EXPECT_EQ(table.Field(89, 11), "");
    EXPECT_EQ(table.Field(89, ElementTable::kAtomicNumber), "89");
    EXPECT_NE(table.Field(89, 21), "");
}

TEST(ElementTable, SymbolsAreSortedAlphabetically)
{
    const auto symbols = ElementTable().SortedSymbols();
    ASSERT_EQ(symbols.size(), 100u);
    EXPECT_EQ(symbols[0], "Ac");
    EXPECT_EQ(symbols[1], "Ag");
    EXPECT_EQ(symbols[2], "Al");
    EXPECT_EQ(symbols[30], "Fe");
}

} // namespace
} // namespace corrolab
