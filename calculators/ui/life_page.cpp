#include "calculators/ui/life_page.h"

#include "calculators/calculator_results.h"
#include "calculators/field_number.h"
#include "calculators/remaining_life.h"
#include "calculators/severity.h"
#include "calculators/ui/severity_band.h"
#include "calculators/ui/thickness_plot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace corrolab {

namespace {
constexpr const char* kTitle = "Corrosion Calculators";
}

LifePage::LifePage(Platform& platform, MaterialSource source, QWidget* parent)
    : CalculatorPage("Remaining life", std::move(source), parent)
    , platform_(platform)
{
    AddField("thickness", "Wall thickness", "mm", "12.7");
    AddField("minimum", "Minimum thickness", "mm", "9.5");
    rateUnit = RateUnitChooser(this, "mm/year");
    auto* rate = new QLineEdit("0.25", this);
    AddRow("rate", "Corrosion rate", rate, rateUnit);
    WatchForEdits(rate);
    WatchForEdits(rateUnit);
    AddField(
        "measured", "Measured on", "YYYY-MM-DD", QString::fromStdString(IsoDate(platform.Today())));
    AddField("design", "Design life", "years (optional)", "20");

    generalBand = AddBand(new SeverityBand(Attack::General));
    plot = new ThicknessPlot(this);
    AddBelow(plot);
    savePlot = new QPushButton("Save plot as PNG...", this);
    AddButton(savePlot);
    connect(savePlot, &QPushButton::clicked, this, [this] { SavePlot(); });
    LoadMaterial();
}

void LifePage::UseRate(double millimetresPerYear)
{
    rateUnit->setCurrentIndex(rateUnit->findText(QString::fromUtf8(
        kMillimetresPerYear.data(), static_cast<int>(kMillimetresPerYear.size()))));
    Field("rate")->setText(QString::fromStdString(ResultNumber(millimetresPerYear)));
}

void LifePage::SavePlot()
{
    if (!plot->HasCurve()) {
        platform_.Tell(
            this, kTitle, "There is no curve to save: check the inputs.", Platform::Icon::Warning);
        return;
    }
    auto file = platform_.AskSaveFile(
        this, "Save the thickness plot", "remaining-life.png", "PNG images (*.png)");
    if (!file)
        return;
    if (file->extension().empty())
        file->replace_extension(".png");
    if (!plot->SavePng(*file))
        platform_.Tell(this, kTitle, "The plot could not be written to " + file->string() + ".",
            Platform::Icon::Warning);
}

void LifePage::Recalculate()
{
    if (!plot)
        return;
    StartCalculation();
    plot->SetWall(std::nullopt);
    const Checked<double> thickness = Number("thickness", "the wall thickness", true);
    if (!thickness)
        return ShowError(thickness.error());
    const Checked<double> minimum = NumberNotNegative("minimum", "the minimum thickness");
    if (!minimum)
        return ShowError(minimum.error());
    const Checked<double> typed = NumberNotNegative("rate", "the corrosion rate");
    if (!typed)
        return ShowError(typed.error());
    const std::string unit = rateUnit->currentText().toStdString();
    // Only a rate in another unit than mm/year needs the material.
    Checked<CalculatorMaterial> material = IronMaterial();
    if (unit != kMillimetresPerYear) {
        material = Material();
        if (!material)
            return ShowError(material.error());
    }
    const auto measured = ParseIsoDate(Text("measured"));
    if (!measured)
        return ShowError({"measured", "Enter the date as YYYY-MM-DD."});
    const std::optional<double> design = OptionalNumber("design", "the design life");
    if (!design && !ErrorText("design").empty())
        return;
    const Checked<LifeResult> result
        = CalculateLife({*thickness, *minimum, *typed, unit, *measured, design}, *material);
    if (!result)
        return ShowError(result.error());
    ShowResults(result->rows, result->mmPerYear);
    plot->SetWall(result->wall, result->life.years);
}

} // namespace corrolab
