// The same inputs through every road a user can take: the main window's
// conversion (the tools window's hand-back, the unit table and the resolution
// Form2::GetResult uses), the calculators reading that frame, and the command
// line.
#include "alloys/alloy_catalogue.h"
#include "app/unit_resolution.h"
#include "base/number_format.h"
#include "base/text.h"
#include "calculators/rate_units.h"
#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"
#include "tests/support/in_process_command_line.h"
#include "tools/component_row.h"
#include "tools/element_table.h"
#include "tools/equivalent_weight.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

// A material as each road names it; an empty alloy is iron as the program opens.
struct Road
{
    const char* alloy;
};
const Road kMaterials[] = {
    {""},
    {"Cartridge brass (70/30, C26000)"},
    {"Stainless steel Type 316L"},
    {"Aluminum Alloy 24S (2024)"},
};

std::string Label(const Road& road)
{
    return *road.alloy ? road.alloy : "Iron";
}

// The main window's frame after the tools window has calculated the alloy and
// handed it back.
FrameMaterial WindowFrame(const Road& road)
{
    if (!*road.alloy)
        return ReadFrame(kStartFrame);
    static const ElementTable elements;
    const auto rows = CompositionRows(elements, CompositionOf(road.alloy));
    EXPECT_TRUE(rows.has_value()) << road.alloy;
    const MaterialCalculation calculation = CalculateMaterial(*rows);
    EXPECT_TRUE(calculation.results.has_value()) << road.alloy;
    const HandBack handBack = HandBackTexts(calculation.results->equivalentWeightText,
        calculation.results->densityText, calculation.results->ratioText);
    EXPECT_TRUE(handBack.calculated) << road.alloy;
    return ReadFrame(handBack.frame);
}

Conversion WindowConversion(const Road& road, const std::string& from, const std::string& to)
{
    const FrameMaterial frame = WindowFrame(road);
    UnitTable table;
    LoadCorrosionRateUnits(table, frame.equivalentWeight, frame.ratio);
    const ConversionRequest request {"Corrosion rate", from, to};
    return ResolveConversion(table, {frame.equivalentWeight, frame.ratio}, request).conversion;
}

std::string WindowText(
    const Road& road, const std::string& value, const std::string& from, const std::string& to)
{
    return std::string(Trimmed(WindowConversion(road, from, to).Format(value, false)));
}

std::string CommandLineText(const std::vector<std::string>& args)
{
    const ProcessResult result = RunCommandLineInProcess(args, "", "/nonexistent");
    EXPECT_EQ(result.status, 0) << result.err;
    std::string out = result.out;
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

std::vector<std::string> WithMaterial(const Road& road, std::vector<std::string> args)
{
    if (*road.alloy)
        args.insert(args.begin() + 1, {"--alloy", road.alloy});
    return args;
}

TEST(CrossRoad, TheTenCorrosionUnitsGiveOneTextInTheWindowAndOnTheCommandLine)
{
    const std::vector<std::string> units = RateUnitNames();
    ASSERT_EQ(units.size(), 10u);
    for (const Road& road : kMaterials) {
        for (const std::string& from : {std::string("micro_amp/cm^2"), std::string("mpy")}) {
            for (const std::string& to : units) {
                const std::string row = Label(road) + ": 1 " + from + " in " + to;
                const std::string window = WindowText(road, "1", from, to);
                ASSERT_FALSE(window.empty()) << row;
                EXPECT_EQ(CommandLineText(WithMaterial(road, {"convert", "1", from, to})), window)
                    << row;
            }
        }
    }
}

TEST(CrossRoad, TheCalculatorsConvertTheMainWindowsFrameAsTheMainWindowDoes)
{
    // The same number: the main window keeps its ratio of factors in single
    // precision (a relative 6e-8), the calculators in double. Iron's figures
    // taken as 27.92 / 7.86 instead of the frame's ratio would be 1.2e-4 off.
    for (const Road& road : kMaterials) {
        const CalculatorMaterial material = FrameCalculatorMaterial(Label(road), WindowFrame(road));
        for (const std::string& from : {std::string("micro_amp/cm^2"), std::string("mm/year")}) {
            for (const std::string& to : RateUnitNames()) {
                const std::string row = Label(road) + ": 1 " + from + " in " + to;
                const auto window = WindowConversion(road, from, to).Apply("1", false).number;
                ASSERT_TRUE(window.has_value()) << row;
                const auto calculated = ConvertRate(1, from, to, material);
                ASSERT_TRUE(calculated.has_value()) << row;
                EXPECT_NEAR(*calculated, *window, 1e-6 * *window) << row;
            }
        }
    }
}

} // namespace
} // namespace corrolab
