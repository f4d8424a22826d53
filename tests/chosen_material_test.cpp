#include "tools/chosen_material.h"

#include <gtest/gtest.h>

#include <vector>

namespace corrolab {
namespace {

TEST(AlloyName, JoinsTheSymbolsOfTheRowsInUse)
{
    const struct
    {
        std::vector<std::string> symbols;
        const char* name;
    } cases[] = {
        {{"Cu", "Zn"}, "Cu/Zn alloy"},
        {{"Al", "Cu", "Mg", "Mn"}, "Al/Cu/Mg/Mn alloy"},
        {{"Fe"}, "Fe alloy"},
        {{"", "Cu"}, "/Cu alloy"}, // a row without a symbol keeps its place
        {{}, " alloy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlloyName(c.symbols), c.name) << c.name;
}

} // namespace
} // namespace corrolab
