#include "tools/grid_percentages.h"

#include <gtest/gtest.h>

#include <vector>

namespace corrolab {
namespace {

TEST(LastRowPercentage, TakesUpTheDifferenceButNeverANegativeOne)
{
    const struct
    {
        std::vector<std::string> percentages;
        int edited;
        std::optional<std::string> last;
    } cases[] = {
        {{"70", "40"}, 0, "30"},
        {{"150", "0"}, 0, "-50"}, // two rows: always 100 minus the first
        {{"70", "30"}, 1, std::nullopt}, // the last row itself
        {{"100"}, 0, std::nullopt},
        {{"50", "30", "99"}, 1, "20"},
        {{"50", "50", "7"}, 0, "0"},
        {{"50", "65", "15"}, 0, std::nullopt}, // would be -15
        {{"12-14", "80", ""}, 1, "8"}, // a range counts with its first number
        {{"70", "10", "8"}, 2, std::nullopt},
        {{"70", "10", "8"}, 3, std::nullopt}, // past the rows in use
        {{"70", "10", "8"}, -1, std::nullopt},
    };
    for (const auto& c : cases) {
        std::string row;
        for (const std::string& p : c.percentages)
            row += p + "|";
        EXPECT_EQ(LastRowPercentage(c.percentages, c.edited), c.last)
            << row << " edited " << c.edited;
    }
}

TEST(CalculateMaterial, RefusesANegativeInput)
{
    const struct
    {
        std::vector<ComponentTexts> rows;
        bool calculated;
    } cases[] = {
        {{{"100", "55.847", "2", "7.86"}}, true},
        {{{"150", "55.847", "2", "7.86"}, {"-50", "63.54", "1", "8.96"}}, false},
        {{{"-100", "55.847", "2", "7.86"}}, false},
        {{{"60", "55.847", "2", "7.86"}, {"40", "63.54", "1", "8.96"}}, true},
        {{{"60", "55.847", "2", "7.86"}, {"", "63.54", "1", "8.96"}}, true},
        {{{"100", "-55.847", "2", "7.86"}}, false},
        {{{"100", "55.847", "-2", "7.86"}}, false},
        {{{"100", "55.847", "2", "-7.86"}}, false},
        {{{"100", "55.847", "2", "7.86"}, {"0", "-1", "1", "1"}}, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const MaterialCalculation calculation = CalculateMaterial(cases[i].rows);
        EXPECT_EQ(calculation.results.has_value(), cases[i].calculated) << "case " << i;
        EXPECT_EQ(calculation.checkInputs, !cases[i].calculated) << "case " << i;
    }
}

} // namespace
} // namespace corrolab
