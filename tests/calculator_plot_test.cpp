#include "calculators/copy_text.h"
#include "calculators/plot_scale.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

TEST(BandPosition, EachCategoryFillsItsQuarter)
{
    struct Case
    {
        double rate;
        Attack attack;
        double position;
    };
    const Case cases[] = {
        {0, Attack::General, 0},
        {-1, Attack::General, 0},
        // General corrosion's edges are 1, 5 and 10 mpy in mm/year.
        {0.0127, Attack::General, 0.125},
        {0.0254, Attack::General, 0.25},
        {0.127, Attack::General, 0.5},
        {0.254, Attack::General, 0.75},
        {0.635, Attack::General, 0.875},
        {1.016, Attack::General, 1},
        {50, Attack::General, 1},
        {0.13, Attack::Pitting, 0.25},
        {0.38, Attack::Pitting, 0.75},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(BandPosition(c.rate, c.attack), c.position, 1e-12)
            << c.rate << " " << AttackName(c.attack);
    // The marker moves with the rate inside a category and never goes back.
    double last = 0;
    for (double rate = 0.001; rate < 2; rate *= 1.1) {
        const double position = BandPosition(rate, Attack::General);
        EXPECT_GE(position, last) << rate;
        last = position;
    }
}

TEST(RoundStep, OneTwoOrFiveTimesAPowerOfTen)
{
    const std::tuple<double, int, double> cases[] = {
        {25, 5, 5},
        {26, 5, 10},
        {4, 8, 0.5},
        {0.3, 6, 0.05},
        {1000, 4, 500},
        {0, 5, 1},
    };
    for (const auto& [range, steps, step] : cases)
        EXPECT_NEAR(RoundStep(range, steps), step, step * 1e-12) << range << "/" << steps;
}

TEST(TabSeparated, OneLinePerRowWhateverTheCellsHold)
{
    EXPECT_EQ(TabSeparated({{"Area", "28.5", "cm^2"}, {"Severity", "severe", ""}}),
        "Area\t28.5\tcm^2\nSeverity\tsevere\t\n");
    EXPECT_EQ(TabSeparated({{"Name\twith tab", "a\nb", "c\r"}}), "Name with tab\ta b\tc \n");
    EXPECT_EQ(TabSeparated({}), "");
}

} // namespace
} // namespace corrolab
