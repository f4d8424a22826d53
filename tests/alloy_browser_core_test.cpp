#include "alloys/alloy_catalogue.h"
#include "alloys/alloy_figures.h"
#include "alloys/alloy_filter.h"
#include "base/window_placement.h"
#include "cli/command_line.h"
#include "tools/element_table.h"

#include <gtest/gtest.h>
#include <sstream>

namespace corrolab {
namespace {

struct ParseCase
{
    const char* text;
    std::vector<ShareCondition> conditions;
};

const ParseCase kParses[] = {
    {"", {}},
    {"  ", {}},
    {"Mo \xE2\x89\xA5 2", {{"Mo", 2, false}}},
    {"Mo>=2", {{"Mo", 2, false}}},
    {"Mo => 2.5 %", {{"Mo", 2.5, false}}},
    {"mo 2", {{"Mo", 2, false}}},
    {"Ni > 10", {{"Ni", 10, true}}},
    {"Pb", {{"Pb", 0, false}}},
    {"Mo >= 2, Cr >= 16", {{"Mo", 2, false}, {"Cr", 16, false}}},
    {"Cr 16,, Ni", {{"Cr", 16, false}, {"Ni", 0, false}}},
    {"UNQ", {{"Unq", 0, false}}},
};

TEST(AlloyFilter, ReadsShareConditions)
{
    for (const ParseCase& c : kParses) {
        std::string problem = "left over";
        const auto conditions = ParseShareConditions(c.text, problem);
        ASSERT_TRUE(conditions) << c.text << ": " << problem;
        EXPECT_EQ(*conditions, c.conditions) << c.text;
        EXPECT_EQ(problem, "") << c.text;
    }
}

TEST(AlloyFilter, NamesWhatItCannotRead)
{
    for (const char* text :
        {"Xx >= 2", ">= 2", "Mo >= two", "Mo >= 2 4", "Mo <= 2", "Mo >=", "2Mo", "Mo >= 1e400x"}) {
        std::string problem;
        EXPECT_FALSE(ParseShareConditions(text, problem)) << text;
        EXPECT_FALSE(problem.empty()) << text;
    }
}

struct MeetCase
{
    const char* composition;
    const char* filter;
    bool meets;
};

constexpr MeetCase kMeets[] = {
    {"68.5Fe 17Cr 12Ni 2.5Mo", "Mo >= 2", true}, // 316
    {"71.75Fe 19Cr 9.25Ni", "Mo >= 2", false}, // 304
    {"81.2Fe 17Cr 1.1C 0.7Mo", "Mo >= 2", false}, // too little
    {"68.5Fe 17Cr 12Ni 2Mo", "Mo >= 2", true}, // the minimum itself
    {"68.5Fe 17Cr 12Ni 2Mo", "Mo > 2", false},
    {"68.5Fe 17Cr 12Ni 2.5Mo", "Mo >= 2, Ni >= 12, Cr > 16", true},
    {"68.5Fe 17Cr 12Ni 2.5Mo", "Mo >= 2, Ni >= 13", false},
    {"77Al 21Zn 1.1Cu 0.5Fe Pb Sn", "Pb", true}, // a trace without a share
    {"77Al 21Zn 1.1Cu 0.5Fe Pb Sn", "Pb > 0", false},
    {"89Al 12-14Cu", "Cu >= 12", true}, // a range reads as its first number
    {"89Al 12-14Cu", "Cu >= 13", false},
    {"50Cu 1Mo 1.5Mo", "Mo >= 2.5", true}, // named twice
    {"70Cu 30Zn", "", true},
    {"", "Fe", false},
};

TEST(AlloyFilter, MeetsConditionsByShare)
{
    for (const MeetCase& c : kMeets) {
        std::string problem;
        const auto conditions = ParseShareConditions(c.filter, problem);
        ASSERT_TRUE(conditions) << c.filter;
        EXPECT_EQ(MeetsConditions(c.composition, *conditions), c.meets)
            << c.composition << " / " << c.filter;
    }
}

TEST(AlloyFilter, MatchesTextInNameBaseOrComposition)
{
    const AlloyFigures alloy {
        "Stainless steel Type 316", "Iron", "68.5Fe 17Cr 12Ni 2.5Mo", {}, {}, {}, {}, {}, {}, {}};
    for (const char* text : {"", "316", "stainless", "IRON", "12ni", " type "})
        EXPECT_TRUE(MatchesText(alloy, text)) << text;
    for (const char* text : {"304", "Copper", "13Ni"})
        EXPECT_FALSE(MatchesText(alloy, text)) << text;
}

TEST(AlloyFigures, ListsEveryCatalogueAlloyOnce)
{
    size_t catalogued = 0;
    for (const BaseMetal& base : AlloyCatalogue())
        catalogued += base.alloys.size();
    const std::vector<AlloyFigures> all = CatalogueFigures();
    ASSERT_EQ(all.size(), catalogued);
    EXPECT_EQ(all.front().baseMetal, std::string(AlloyCatalogue().front().name));
    for (const AlloyFigures& alloy : all)
        EXPECT_EQ(alloy.composition, CompositionOf(alloy.name)) << alloy.name;
}

// Each figure of the browser is what the command line prints for the alloy.
TEST(AlloyFigures, AgreeWithTheCommandLineForEveryAlloy)
{
    for (const AlloyFigures& alloy : CatalogueFigures()) {
        SCOPED_TRACE(alloy.name);
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status
            = RunCommandLine({"convert", "--alloy", alloy.name, "1", "micro_amp/cm^2", "mm/year"},
                in, out, err, "/nonexistent");
        if (!alloy.rate) {
            EXPECT_NE(status, 0);
            EXPECT_EQ(alloy.rateText, "");
            continue;
        }
        EXPECT_EQ(status, 0) << err.str();
        EXPECT_EQ(alloy.rateText + "\n", out.str());
        EXPECT_TRUE(alloy.classicEquivalentWeight);
        EXPECT_TRUE(alloy.density);
        EXPECT_GT(*alloy.rate, 0);
    }
}

TEST(AlloyFigures, GiveBothEquivalentWeightsForTheStainlessSteels)
{
    const AlloyFigures s316
        = FiguresOfAlloy("Iron", "Stainless steel Type 316", "68.5Fe 17Cr 12Ni 2.5Mo");
    ASSERT_TRUE(s316.classicEquivalentWeight);
    ASSERT_TRUE(s316.g102EquivalentWeight);
    // G102 charges chromium 3 and nickel 2 like the classic table, so both lie
    // between chromium's 17.3 g and nickel's 29.4 g.
    for (double ew : {*s316.classicEquivalentWeight, *s316.g102EquivalentWeight}) {
        EXPECT_GT(ew, 17.3);
        EXPECT_LT(ew, 29.4);
    }
    const AlloyFigures unknown = FiguresOfAlloy("None", "None", "50Xx 50Fe");
    EXPECT_FALSE(unknown.rate);
    EXPECT_EQ(unknown.rateText, "");
}

struct FitCase
{
    const char* name;
    Box window;
    Box fitted;
};

constexpr Box kScreen {0, 30, 1280, 770};

constexpr FitCase kFits[] = {
    {"inside stays", {100, 100, 400, 300}, {100, 100, 400, 300}},
    {"off the right edge", {1100, 100, 400, 300}, {880, 100, 400, 300}},
    {"above the top", {100, 0, 400, 300}, {100, 30, 400, 300}},
    {"below the bottom", {100, 700, 400, 300}, {100, 500, 400, 300}},
    {"left of the screen", {-500, 100, 400, 300}, {0, 100, 400, 300}},
    {"larger than the screen", {-10, -10, 2000, 1000}, {0, 30, 1280, 770}},
    {"on a screen that is gone", {3000, 2000, 400, 300}, {880, 500, 400, 300}},
};

TEST(OnScreen, MovesAWindowFullyOntoTheScreen)
{
    for (const FitCase& c : kFits)
        EXPECT_EQ(FitOnScreen(c.window, kScreen), c.fitted) << c.name;
}

} // namespace
} // namespace corrolab
