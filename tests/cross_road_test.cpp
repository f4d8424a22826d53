// The same inputs through every road a user can take: the main window's
// conversion (the tools window's hand-back, the unit table and the resolution
// Form2::GetResult uses), the command line, and the calculators' core.
#include "alloys/alloy_catalogue.h"
#include "app/unit_resolution.h"
#include "base/number_format.h"
#include "base/text.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"
#include "calculators/material_lookup.h"
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

CalculatorMaterial CalculatorsMaterial(const Road& road)
{
    if (!*road.alloy)
        return IronMaterial();
    const Checked<CalculatorMaterial> material = LookUpMaterial(MaterialKind::Alloy, road.alloy);
    EXPECT_TRUE(material.ok()) << road.alloy;
    return *material;
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

// Disabled until the calculators take a material's figures from the same road as
// the tools window's hand-back: today they differ from the main window for every
// material (iron's ratio is 27.92 / 7.86 = 3.55216 beside the frame's 3.5526; the
// alloys' equivalent weights and densities differ too), by 1e-4 to 2%.
TEST(CrossRoad, DISABLED_TheCalculatorsConvertAsTheWindowDoes)
{
    const std::vector<std::string> units = RateUnitNames();
    ASSERT_EQ(units.size(), 10u);
    for (const Road& road : kMaterials) {
        for (const std::string& from : {std::string("micro_amp/cm^2"), std::string("mpy")}) {
            for (const std::string& to : units) {
                const std::string row = Label(road) + ": 1 " + from + " in " + to;
                const auto calculated = ConvertRate(1, from, to, CalculatorsMaterial(road));
                ASSERT_TRUE(calculated.has_value()) << row;
                // The window keeps the ratio of factors in single precision.
                const auto windowNumber = WindowConversion(road, from, to).Apply("1", false).number;
                ASSERT_TRUE(windowNumber.has_value()) << row;
                EXPECT_NEAR(*calculated / *windowNumber, 1, 2e-7) << row;
            }
        }
    }
}

// The mass-loss calculator's rate in each unit is its rate in mm/year as the
// main window converts it, and the command line prints the calculators' figure.
// Disabled for the same reason as the test above.
TEST(CrossRoad, DISABLED_MassLossOfACatalogueAlloyGivesOneFigureOnEveryRoad)
{
    const Road brass = kMaterials[1];
    const CalculatorMaterial material = CalculatorsMaterial(brass);
    const MassLossInput coupon {0.650, 28.5, 168};
    const Checked<double> mmPerYear = MassLossRate(coupon, material, kMillimetresPerYear);
    ASSERT_TRUE(mmPerYear.ok());
    for (const std::string& unit : RateUnitNames()) {
        const Checked<double> rate = MassLossRate(coupon, material, unit);
        ASSERT_TRUE(rate.ok()) << unit;
        const ConversionOutcome window
            = WindowConversion(brass, "mm/year", unit).Apply(PlainText(*mmPerYear), false);
        ASSERT_TRUE(window.number.has_value()) << unit;
        EXPECT_EQ(ResultNumber(*window.number), ResultNumber(*rate)) << unit;
        const std::string printed = CommandLineText(WithMaterial(brass,
            {"massloss", "--mass-loss", "0.650", "--area", "28.5", "--hours", "168", "--unit",
                unit}));
        EXPECT_NE(printed.find("corrosion rate: " + ResultNumber(*rate) + " " + unit + "\n"),
            std::string::npos)
            << unit << ":\n"
            << printed;
    }
}

} // namespace
} // namespace corrolab
