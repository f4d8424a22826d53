#include "corrosion/material_values.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

// The tools window hands a material back only when both the equivalent weight
// and the density were calculated; a half-calculated one leaves the frame alone.
TEST(HandBackTexts, HandsBackOnlyAFullyCalculatedMaterial)
{
    struct Row
    {
        const char* equivalentWeight;
        const char* density;
        bool calculated;
    };
    const Row rows[] = {
        {"27.92", "7.86", true},
        {"27.92", "0", false},
        {"27.92", "", false},
        {"0", "7.86", false},
        {"", "7.86", false},
        {"0", "0", false},
    };
    for (const Row& row : rows) {
        const HandBack handBack = HandBackTexts(row.equivalentWeight, row.density, "3.5526");
        EXPECT_EQ(handBack.calculated, row.calculated)
            << "equivalent weight '" << row.equivalentWeight << "', density '" << row.density
            << "'";
    }
    const HandBack iron = HandBackTexts("27.92", "7.86", "3.5526");
    EXPECT_EQ(iron.frame.equivalentWeight, kStartFrame.equivalentWeight);
    EXPECT_EQ(iron.frame.density, kStartFrame.density);
}

} // namespace
} // namespace corrolab
