#include "calculators/ui/mass_loss_page.h"

#include "calculators/calculator_results.h"
#include "calculators/mass_loss.h"
#include "calculators/severity.h"
#include "calculators/ui/severity_band.h"

#include <QComboBox>
#include <QLineEdit>

namespace corrolab {

namespace { }

MassLossPage::MassLossPage(MaterialSource source, QWidget* parent)
    : CalculatorPage("Coupon mass loss", std::move(source), parent)
{
    massSource = new QComboBox(this);
    massSource->addItems({"Mass loss", "Weighings"});
    AddRow("massSource", "Mass from", massSource, nullptr);
    AddField("mass", "Mass loss", "g", "0.650");
    AddField("initial", "Initial mass", "g");
    AddField("final", "Final mass", "g");

    areaSource = new QComboBox(this);
    areaSource->addItems({"Area", "Rectangular coupon", "Disc coupon"});
    AddRow("areaSource", "Area from", areaSource, nullptr);
    AddField("area", "Exposed area", "cm^2", "28.5");
    AddField("length", "Length", "mm");
    AddField("width", "Width", "mm");
    AddField("diameter", "Diameter", "mm");
    AddField("thickness", "Thickness", "mm");
    AddField("hole", "Hole diameter", "mm (optional)");

    timeUnit = new QComboBox(this);
    timeUnit->addItems({"hours", "days"});
    auto* time = new QLineEdit("168", this);
    AddRow("time", "Exposure time", time, timeUnit);
    WatchForEdits(time);
    AddField("pit", "Deepest pit", "mm (optional)");
    unit = AddUnitChooser("Result in", "mm/year");

    generalBand = AddBand(new SeverityBand(Attack::General));
    pittingBand = AddBand(new SeverityBand(Attack::Pitting));
    AddLifeButton();

    for (QComboBox* combo : {massSource, areaSource, timeUnit})
        WatchForEdits(combo);
    LoadMaterial();
}

void MassLossPage::ShowSources()
{
    const bool weighings = massSource->currentIndex() == 1;
    ShowField("mass", !weighings);
    ShowField("initial", weighings);
    ShowField("final", weighings);
    const int shape = areaSource->currentIndex();
    ShowField("area", shape == 0);
    ShowField("length", shape == 1);
    ShowField("width", shape == 1);
    ShowField("diameter", shape == 2);
    ShowField("thickness", shape != 0);
    ShowField("hole", shape != 0);
}

Checked<double> MassLossPage::MassLoss()
{
    if (massSource->currentIndex() == 0)
        return NumberNotNegative("mass", "the mass loss");
    const Checked<double> initial = Number("initial", "the initial mass", true);
    if (!initial)
        return initial;
    const Checked<double> final = NumberNotNegative("final", "the final mass");
    if (!final)
        return final;
    return MassLossFromWeighings(*initial, *final);
}

Checked<double> MassLossPage::Area(std::optional<double>& dimensionsArea)
{
    const int shape = areaSource->currentIndex();
    if (shape == 0)
        return Number("area", "the area", true);
    std::vector<double> sizes;
    const std::vector<std::pair<std::string_view, std::string_view>> fields = shape == 1
        ? std::vector<std::pair<std::string_view, std::string_view>> {{"length", "the length"},
            {"width", "the width"}, {"thickness", "the thickness"}}
        : std::vector<std::pair<std::string_view, std::string_view>> {
            {"diameter", "the diameter"}, {"thickness", "the thickness"}};
    for (const auto& [key, what] : fields) {
        const Checked<double> size = Number(key, what, true);
        if (!size)
            return size;
        sizes.push_back(*size);
    }
    double hole = 0;
    if (Text("hole").find_first_not_of(' ') != std::string::npos) {
        const Checked<double> typed = NumberNotNegative("hole", "the hole diameter");
        if (!typed)
            return typed;
        hole = *typed;
    }
    const Checked<double> area = shape == 1
        ? CouponArea(RectangularCoupon {sizes[0], sizes[1], sizes[2], hole})
        : CouponArea(DiscCoupon {sizes[0], sizes[1], hole});
    if (area)
        dimensionsArea = *area;
    return area;
}

Checked<double> MassLossPage::Hours()
{
    const Checked<double> time = Number("time", "the exposure time", true);
    if (!time || timeUnit->currentIndex() == 0)
        return time;
    return *time * kHoursPerDay;
}

void MassLossPage::Recalculate()
{
    if (!unit)
        return; // still being built
    ShowSources();
    StartCalculation();
    const Checked<CalculatorMaterial> material = Material();
    if (!material)
        return ShowError(material.error());
    const Checked<double> mass = MassLoss();
    if (!mass)
        return ShowError(mass.error());
    std::optional<double> dimensionsArea;
    const Checked<double> area = Area(dimensionsArea);
    if (!area)
        return ShowError(area.error());
    const Checked<double> hours = Hours();
    if (!hours)
        return ShowError(hours.error());
    const std::optional<double> pit = OptionalNumber("pit", "the pit depth");
    if (!pit && !ErrorText("pit").empty())
        return;

    const MassLossCase coupon {
        {*mass, *area, *hours}, pit, massSource->currentIndex() == 1, dimensionsArea};
    const Checked<MassLossResult> result
        = CalculateMassLossCase(coupon, *material, unit->currentText().toStdString());
    if (!result)
        return ShowError(result.error());
    ShowResults(result->rows, result->mmPerYear, result->pitRate);
}

} // namespace corrolab
