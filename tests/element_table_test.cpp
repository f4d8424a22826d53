#include "tools/element_table.h"

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
