#include "calculators/ui/polarization_page.h"

#include "calculators/calculator_results.h"
#include "calculators/severity.h"
#include "calculators/stern_geary.h"
#include "calculators/ui/severity_band.h"

#include <QComboBox>
#include <QLineEdit>

namespace corrolab {

PolarizationPage::PolarizationPage(MaterialSource source, QWidget* parent)
    : CalculatorPage("Polarization resistance", std::move(source), parent)
{
    bSource = new QComboBox(this);
    bSource->addItems({"Typed", "From Tafel slopes"});
    AddRow("bSource", "B (Stern-Geary)", bSource, nullptr);
    AddField("b", "B", "mV", "26");
    AddField("ba", "Anodic Tafel slope", "mV/decade", "120");
    AddField("bc", "Cathodic Tafel slope", "mV/decade", "120");
    rpUnit = new QComboBox(this);
    rpUnit->addItems({"ohm cm^2", "ohm"});
    auto* rp = new QLineEdit("1000", this);
    AddRow("rp", "Polarization resistance", rp, rpUnit);
    WatchForEdits(rp);
    AddField("electrode", "Electrode area", "cm^2", "1");
    unit = AddUnitChooser("Result in", "mm/year");
    generalBand = AddBand(new SeverityBand(Attack::General));
    AddLifeButton();
    for (QComboBox* combo : {bSource, rpUnit})
        WatchForEdits(combo);
    LoadMaterial();
}

Checked<double> PolarizationPage::Coefficient()
{
    if (bSource->currentIndex() == 0)
        return Number("b", "B", true);
    const Checked<double> ba = Number("ba", "the anodic slope", false);
    if (!ba)
        return ba;
    const Checked<double> bc = Number("bc", "the cathodic slope", false);
    if (!bc)
        return bc;
    return SternGearyCoefficient(*ba, *bc);
}

void PolarizationPage::Recalculate()
{
    if (!unit)
        return;
    const bool slopes = bSource->currentIndex() == 1;
    ShowField("b", !slopes);
    ShowField("ba", slopes);
    ShowField("bc", slopes);
    const bool perArea = rpUnit->currentIndex() == 1;
    ShowField("electrode", perArea);
    StartCalculation();

    const Checked<CalculatorMaterial> material = Material();
    if (!material)
        return ShowError(material.error());
    const Checked<double> b = Coefficient();
    if (!b)
        return ShowError(b.error());
    const Checked<double> rp = Number("rp", "the polarization resistance", true);
    if (!rp)
        return ShowError(rp.error());
    std::optional<double> area;
    if (perArea) {
        const Checked<double> typed = Number("electrode", "the electrode area", true);
        if (!typed)
            return ShowError(typed.error());
        area = *typed;
    }
    const Checked<PolarizationResult> result = CalculatePolarizationResistance(
        *b, *rp, area, *material, unit->currentText().toStdString());
    if (!result)
        return ShowError(result.error());
    ShowResults(result->rows, result->mmPerYear);
}

} // namespace corrolab
