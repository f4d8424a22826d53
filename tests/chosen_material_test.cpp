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

TEST(ChooseMaterial, HandsBackOnlyACalculatedResult)
{
    const struct
    {
        const char *equivalentWeight, *density, *ratio;
        bool chosen;
        FrameTexts frame;
    } cases[] = {
        {" 27.9235", " 7.8600", " 3.5526", true, {" 27.923", " 7.860", "3.5526"}},
        {" 63.5400", " 8.9600", " 7.0915", true, {" 63.540", " 8.960", "7.0915"}},
        {"", "", "", false, {}},
        {"", " 7.8600", " 3.5526", false, {}},
        {" 27.9235", "--", " 3.5526", false, {}},
        {" 0.0000", " 7.8600", "", false, {}},
    };
    for (const auto& c : cases) {
        const auto material = ChooseMaterial(c.equivalentWeight, c.density, c.ratio, "Iron");
        ASSERT_EQ(material.has_value(), c.chosen) << c.equivalentWeight << '|' << c.density;
        if (!material)
            continue;
        EXPECT_EQ(material->frame.equivalentWeight, c.frame.equivalentWeight);
        EXPECT_EQ(material->frame.density, c.frame.density);
        EXPECT_EQ(material->frame.ratio, c.frame.ratio);
        EXPECT_EQ(material->name, "Iron");
    }
}

} // namespace
} // namespace corrolab
