#include "base/window_placement.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

// The main window is 500 x 360 with its result at (170, 60, 175, 25) and Calculate
// at (265, 300, 80, 30) inside it; the tools window is 550 x 300.
constexpr int kToolsWidth = 550;
constexpr int kToolsHeight = 300;

std::vector<Box> KeepClear(const Box& main)
{
    return {{main.left + 170, main.top + 60, 175, 25}, {main.left + 265, main.top + 300, 80, 30}};
}

struct PlacementCase
{
    const char* name;
    Box screen;
    Box main;
    Box expectedMain;
    Box expectedTools;
};

TEST(PlaceBeside, PutsTheToolsWindowBesideTheMainWindow)
{
    const PlacementCase cases[] = {
        {"room on the right", {0, 0, 1920, 1080}, {710, 216, 500, 360}, {710, 216, 500, 360},
            {1214, 216, 550, 300}},
        {"room on the left only", {0, 0, 1920, 1080}, {1400, 100, 500, 360}, {1400, 100, 500, 360},
            {846, 100, 550, 300}},
        {"centred on 1280 x 1024: below", {0, 0, 1280, 1024}, {390, 204, 500, 360},
            {390, 204, 500, 360}, {390, 568, 550, 300}},
        {"centred on 1280 x 720: the main window moves left", {0, 0, 1280, 720},
            {390, 144, 500, 360}, {226, 144, 500, 360}, {730, 144, 550, 300}},
        {"short and narrow: the main window moves up", {0, 0, 1000, 700}, {250, 200, 500, 360},
            {250, 36, 500, 360}, {250, 400, 550, 300}},
        {"narrow but tall: below", {0, 0, 853, 1000}, {176, 100, 500, 360}, {176, 100, 500, 360},
            {176, 464, 550, 300}},
        {"near the bottom: above", {0, 0, 853, 1000}, {176, 650, 500, 340}, {176, 650, 500, 340},
            {176, 346, 550, 300}},
        {"off the screen: brought back first", {0, 0, 1920, 1080}, {-300, 900, 500, 360},
            {0, 720, 500, 360}, {504, 720, 550, 300}},
        {"screen with an offset", {1920, 30, 1920, 1050}, {2630, 246, 500, 360},
            {2630, 246, 500, 360}, {3134, 246, 550, 300}},
    };
    for (const PlacementCase& c : cases) {
        const WindowPlaces places
            = PlaceBeside(c.screen, c.main, kToolsWidth, kToolsHeight, KeepClear(c.main));
        EXPECT_EQ(places.main, c.expectedMain) << c.name;
        EXPECT_EQ(places.second, c.expectedTools) << c.name;
        EXPECT_TRUE(Contains(c.screen, places.second)) << c.name;
        EXPECT_TRUE(Contains(c.screen, places.main)) << c.name;
        EXPECT_EQ(OverlapArea(places.main, places.second), 0) << c.name;
    }
}

TEST(PlaceBeside, WithoutRoomCoversTheLeastOfTheResultAndCalculate)
{
    // 1000 x 600 with the main window in the corner: the tools window may cover
    // the main window's material column, but neither the result nor Calculate.
    const Box main {0, 0, 500, 360};
    const WindowPlaces clear
        = PlaceBeside({0, 0, 1000, 600}, main, kToolsWidth, kToolsHeight, KeepClear(main));
    EXPECT_EQ(clear.main, main);
    EXPECT_EQ(clear.second, (Box {450, 300, 550, 300}));

    // 640 x 512 (1280 x 1024 at scale 2): something must be covered; Calculate is
    // the smaller part, and the result stays visible.
    const Box centred {70, 102, 500, 360};
    const Box screen {0, 0, 640, 512};
    const WindowPlaces tight
        = PlaceBeside(screen, centred, kToolsWidth, kToolsHeight, KeepClear(centred));
    EXPECT_EQ(tight.main, centred);
    EXPECT_TRUE(Contains(screen, tight.second));
    EXPECT_EQ(OverlapArea(tight.second, KeepClear(centred)[0]), 0);
}

TEST(PlaceBeside, WithoutRoomTheMainWindowMovesAsideRatherThanBeCoveredWhereItWorks)
{
    // 960 x 540 (1920 x 1080 at scale 2), the main window centred: wherever the
    // tools window goes beside it, it covers the result or Calculate. Moved into
    // a corner, the main window keeps its value box (at 6, 60), result and
    // Calculate clear; the tools window covers only its material column.
    const Box screen {0, 0, 960, 540};
    const Box centred {230, 90, 500, 360};
    std::vector<Box> keepClear = KeepClear(centred);
    keepClear.push_back({centred.left + 6, centred.top + 60, 140, 25});
    const WindowPlaces places = PlaceBeside(screen, centred, kToolsWidth, kToolsHeight, keepClear);
    EXPECT_EQ(places.main, (Box {0, 0, 500, 360}));
    EXPECT_EQ(places.second, (Box {410, 240, 550, 300}));
    for (const Box& part : KeepClear(places.main))
        EXPECT_EQ(OverlapArea(places.second, part), 0);
    EXPECT_EQ(OverlapArea(places.second, {6, 60, 140, 25}), 0);
}

TEST(PlaceBeside, AWindowLargerThanTheScreenKeepsItsTopLeftCornerOnIt)
{
    const Box screen {0, 0, 400, 300};
    const WindowPlaces places
        = PlaceBeside(screen, {-50, -50, 500, 360}, kToolsWidth, kToolsHeight, {});
    EXPECT_EQ(places.main.left, 0);
    EXPECT_EQ(places.main.top, 0);
    EXPECT_EQ(places.second.left, 0);
    EXPECT_EQ(places.second.top, 0);
}

struct OverlapCase
{
    Box a;
    Box b;
    long long area;
};

TEST(OverlapArea, CountsTheSharedPixels)
{
    const OverlapCase cases[] = {
        {{0, 0, 10, 10}, {5, 5, 10, 10}, 25},
        {{0, 0, 10, 10}, {10, 0, 10, 10}, 0}, // touching edges share nothing
        {{0, 0, 10, 10}, {2, 2, 3, 3}, 9},
        {{0, 0, 10, 10}, {-5, -5, 3, 3}, 0},
        {{0, 0, 100000, 100000}, {0, 0, 100000, 100000}, 10000000000LL},
    };
    for (const OverlapCase& c : cases) {
        EXPECT_EQ(OverlapArea(c.a, c.b), c.area) << c.b.left << "," << c.b.top;
        EXPECT_EQ(OverlapArea(c.b, c.a), c.area) << c.b.left << "," << c.b.top;
    }
}

} // namespace
} // namespace corrolab
