#include "alloys/material_figures.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

// What each way of naming a material hands back by each method, or the refusal.
struct HandBackCase
{
    MaterialKind kind;
    const char* text;
    HandBackMethod method;
    const char* equivalentWeight; // the frame's text, or "" where refused
    const char* refusal;
};

TEST(MaterialFigures, EachNamedMaterialHandsBackItsFrameOrSaysWhyNot)
{
    constexpr auto Metal = MaterialKind::Metal;
    constexpr auto Alloy = MaterialKind::Alloy;
    constexpr auto Composition = MaterialKind::Composition;
    constexpr auto Classic = HandBackMethod::Classic;
    constexpr auto G102 = HandBackMethod::G102;
    const HandBackCase cases[] = {
        {Metal, "Fe", Classic, " 27.923", ""},
        {Metal, "Cu", G102, " 31.770", ""},
        {Composition, "100Cu", Classic, " 63.540", ""},
        {Alloy, "Cartridge brass (70/30, C26000)", Classic, " 54.283", ""},
        {Metal, "Xx", Classic, "", "unknown element symbol 'Xx'"},
        {Alloy, "No such alloy", G102, "", "unknown alloy 'No such alloy'"},
        {Composition, " \t", Classic, "", "the composition is empty"},
        {Composition, "1Fe 1Cr 1Ni 1Mo 1Cu 1Zn 1Al 1Mg 1Ti 91Co", Classic, "",
            "the composition '1Fe 1Cr 1Ni 1Mo 1Cu 1Zn 1Al 1Mg 1Ti 91Co' has more than 9 "
            "components"},
        // A total of 90 is calculated (with its warning); an unknown element is not.
        {Composition, "70Cu 20Zn", Classic, " 56.683", ""},
        {Composition, "60Cu 40Xx", Classic, "",
            "the material '60Cu 40Xx' cannot be calculated (zero density, check inputs)"},
        {Metal, "He", G102, "",
            "the material 'He' cannot be calculated by ASTM G102: row 1 (He) has G102 valence "
            "\"0\""},
    };
    for (const HandBackCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Checked<MaterialFigures> figures = FiguresOf(c.kind, c.text);
        const Checked<HandBack> handBack
            = figures ? figures->HandBackBy(c.method) : Checked<HandBack>(figures.error());
        if (*c.refusal) {
            ASSERT_FALSE(handBack);
            EXPECT_EQ(handBack.error().message, c.refusal);
            EXPECT_EQ(handBack.error().field, "material");
            continue;
        }
        ASSERT_TRUE(handBack) << handBack.error().message;
        EXPECT_EQ(handBack->frame.equivalentWeight, c.equivalentWeight);
    }
}

TEST(MaterialFigures, TheCataloguesDensityHoldsOnlyWhileTheGridHoldsTheAlloy)
{
    const std::string alloy = "Stainless steel Type 316L";
    const Checked<MaterialGrid> grid = GridOf(MaterialKind::Alloy, alloy);
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->alloy, alloy);
    const MaterialFigures loaded = FiguresOfGrid(alloy, *grid);
    ASSERT_TRUE(loaded.g102.results && loaded.couponDensity);
    EXPECT_EQ(loaded.g102.results->densitySource, DensitySource::Handbook);
    EXPECT_EQ(loaded.couponDensity->source, DensitySource::Handbook);
    // One percentage changed: the material is the user's, its density the mean.
    MaterialGrid edited = *grid;
    edited.rows[0].percentage = edited.g102Rows[0].percentage = "60";
    const MaterialFigures changed = FiguresOfGrid(alloy, edited);
    ASSERT_TRUE(changed.g102.results && changed.couponDensity);
    EXPECT_EQ(changed.g102.results->densitySource, DensitySource::VolumeAdditive);
    EXPECT_EQ(changed.couponDensity->source, DensitySource::VolumeAdditive);
}

} // namespace
} // namespace corrolab
