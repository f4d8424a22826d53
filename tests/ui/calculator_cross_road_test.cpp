// The calculator pages and the command line given the same catalogue alloy and
// the same inputs show the same figures, and the alloy browser shows the figures
// `corrolab material` prints.
#include "fake_platform.h"

#include "alloys/ui/alloy_table_model.h"
#include "calculators/material_lookup.h"
#include "calculators/ui/life_page.h"
#include "calculators/ui/mass_loss_page.h"
#include "calculators/ui/polarization_page.h"
#include "calculators/ui/result_table.h"
#include "tests/support/in_process_command_line.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace corrolab {
namespace {

const char* const kAlloys[] = {
    "Cartridge brass (70/30, C26000)",
    "Stainless steel Type 316L",
    "Aluminum Alloy 24S (2024)",
};

// A command line's "label: value unit" lines by label (the first of a label).
std::map<std::string, std::string> LabelledLines(const std::string& out)
{
    std::map<std::string, std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (const auto colon = line.find(": "); colon != std::string::npos)
            lines.emplace(line.substr(0, colon), line.substr(colon + 2));
    return lines;
}

std::map<std::string, std::string> CommandLineLines(const std::vector<std::string>& args)
{
    const ProcessResult result = RunCommandLineInProcess(args, "", "/nonexistent");
    EXPECT_EQ(result.status, 0) << result.err;
    return LabelledLines(result.out);
}

// One calculation on a page and the same on the command line: the page's
// fields, the arguments, and which row the command line's line must match.
struct Road
{
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;
    std::vector<std::string> args;
    std::vector<std::pair<const char*, const char*>> rowAndLine;
};

void Type(CalculatorPage& page, const std::vector<std::pair<const char*, const char*>>& fields)
{
    for (const auto& [field, text] : fields) {
        QLineEdit* edit = page.Field(field);
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(text);
    }
}

void Choose(QComboBox* combo, const char* item)
{
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << item;
    combo->setCurrentIndex(index);
}

TEST(CalculatorCrossRoad, ThePagesAndTheCommandLineGiveOneFigureForACatalogueAlloy)
{
    FakePlatform platform;
    const Road roads[] = {
        {"mass loss", {{"mass", "0.650"}, {"area", "28.5"}, {"time", "168"}},
            {"massloss", "--mass-loss", "0.650", "--area", "28.5", "--hours", "168", "--unit",
                "mpy"},
            {{"Corrosion rate", "corrosion rate"}}},
        {"Stern-Geary", {{"b", "26"}, {"rp", "1300"}},
            {"lpr", "--rp", "1300", "--b", "26", "--unit", "mpy"},
            {{"Corrosion current density", "corrosion current density"},
                {"Corrosion rate", "corrosion rate"}}},
        {"remaining life",
            {{"thickness", "12.7"}, {"minimum", "9.5"}, {"rate", "4"}, {"measured", "2026-12-09"}},
            {"life", "--thickness", "12.7", "--minimum", "9.5", "--rate", "4", "--rate-unit", "mpy",
                "--measured", "2026-12-09"},
            {{"Remaining life", "remaining life"}, {"Minimum reached", "minimum reached"}}},
    };
    for (const char* alloy : kAlloys) {
        const Checked<CalculatorMaterial> material = LookUpMaterial(MaterialKind::Alloy, alloy);
        ASSERT_TRUE(material) << alloy;
        const auto source = [&material] { return *material; };
        MassLossPage massLoss(source);
        PolarizationPage polarization(source);
        LifePage life(platform, source);
        Choose(massLoss.unit, "mpy");
        Choose(polarization.unit, "mpy");
        Choose(polarization.bSource, "Typed");
        Choose(life.rateUnit, "mpy");
        CalculatorPage* const pages[] = {&massLoss, &polarization, &life};
        for (size_t i = 0; i < std::size(roads); ++i) {
            const Road& road = roads[i];
            SCOPED_TRACE(std::string(alloy) + ", " + road.name);
            Type(*pages[i], road.fields);
            std::vector<std::string> args = road.args;
            args.insert(args.begin() + 1, {"--alloy", alloy});
            const auto lines = CommandLineLines(args);
            for (const auto& [row, line] : road.rowAndLine) {
                const std::string shown = pages[i]->results->Value(row);
                ASSERT_FALSE(shown.empty()) << row;
                ASSERT_TRUE(lines.contains(line)) << line;
                // The line is "value unit"; the row's value is the number alone.
                EXPECT_EQ(lines.at(line).substr(0, lines.at(line).find(' ')), shown) << row;
            }
        }
    }
}

TEST(CalculatorCrossRoad, TheBrowsersFiguresAreTheCommandLinesForEveryAlloy)
{
    const AlloyTableModel model(CatalogueFigures());
    ASSERT_GT(model.rowCount(), 100);
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto shown = [&model, row](AlloyTableModel::Column column) {
            return model.index(row, column).data().toString().toStdString();
        };
        const std::string alloy = shown(AlloyTableModel::kName);
        SCOPED_TRACE(alloy);
        const ProcessResult result
            = RunCommandLineInProcess({"material", "--alloy", alloy}, "", "/nonexistent");
        if (result.status != 0) {
            EXPECT_EQ(shown(AlloyTableModel::kClassicEquivalentWeight), "--");
            continue;
        }
        const auto lines = LabelledLines(result.out);
        // The number of a line ("8.0000 (handbook)"), "--" where it is empty.
        const auto number = [&lines](const char* label) {
            const std::string text = lines.contains(label) ? lines.at(label) : "";
            const std::string value = text.substr(0, text.find(' '));
            return value.empty() ? std::string("--") : value;
        };
        EXPECT_EQ(shown(AlloyTableModel::kClassicEquivalentWeight), number("equivalent weight"));
        EXPECT_EQ(shown(AlloyTableModel::kG102EquivalentWeight), number("g102 equivalent weight"));
        EXPECT_EQ(shown(AlloyTableModel::kDensity), number("density"));
        EXPECT_EQ(shown(AlloyTableModel::kCouponDensity), number("coupon density"));
        if (shown(AlloyTableModel::kCouponDensity) != "--") {
            EXPECT_EQ(lines.at("coupon density"),
                shown(AlloyTableModel::kCouponDensity) + " ("
                    + shown(AlloyTableModel::kDensitySource) + ")");
        }
    }
}

} // namespace
} // namespace corrolab
