#include "calculators/ui/life_page.h"

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
    double rate = *typed;
    if (unit != kMillimetresPerYear) {
        const Checked<CalculatorMaterial> material = Material();
        if (!material)
            return ShowError(material.error());
        const auto converted = ConvertRate(*typed, unit, kMillimetresPerYear, *material);
        if (!converted)
            return ShowError({"rate", "The material cannot convert this unit."});
        rate = *converted;
    }
    const auto measured = ParseIsoDate(Text("measured"));
    if (!measured)
        return ShowError({"measured", "Enter the date as YYYY-MM-DD."});
    const WallInput wall {*thickness, *minimum, rate};
    const Checked<RemainingLife> life = CalculateRemainingLife(wall, *measured);
    if (!life)
        return ShowError(life.error());

    std::vector<CopyRow> rows;
    if (unit != kMillimetresPerYear)
        rows.push_back({"Corrosion rate", ResultNumber(rate), "mm/year"});
    rows.push_back({"Remaining life", ResultNumber(life->years), "years"});
    rows.push_back({"Minimum reached", life->date ? IsoDate(*life->date) : "after 9999-12-31", ""});
    if (const auto design = OptionalNumber("design", "the design life")) {
        const Checked<double> allowance = DesignAllowance(rate, *design);
        if (!allowance)
            return ShowError(allowance.error());
        rows.push_back({"Design allowance", ResultNumber(*allowance), "mm"});
    } else if (!ErrorText("design").empty()) {
        return;
    }
    rows.push_back({"Severity (general)",
        std::string(SeverityName(Classify(rate, Attack::General))), "carbon steel"});
    ShowResults(rows, rate);
    plot->SetWall(wall, life->years);
}

} // namespace corrolab
