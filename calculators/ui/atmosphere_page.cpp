#include "calculators/ui/atmosphere_page.h"

#include "calculators/atmospheric_corrosivity.h"
#include "calculators/field_number.h"
#include "calculators/ui/loss_plot.h"
#include "calculators/ui/result_table.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>

namespace corrolab {

AtmospherePage::AtmospherePage(QWidget* parent)
    : CalculatorPage(
        "Atmospheric corrosivity", [] { return CalculatorMaterial {}; }, parent)
{
    // The metal is one of the standard's four; the main window's material has
    // no part here.
    for (const char* key : {"material", "ew", "density"})
        ShowField(key, false);
    metal = new QComboBox(this);
    for (const AtmosphereMetal each : kAtmosphereMetals)
        metal->addItem(QString::fromUtf8(
            AtmosphereMetalName(each).data(), static_cast<int>(AtmosphereMetalName(each).size())));
    AddRow("metal", "Metal", metal, nullptr);
    source = new QComboBox(this);
    source->addItems({"Climate", "First-year mass loss", "First-year thickness loss"});
    AddRow("source", "Category from", source, nullptr);
    AddField("temperature", "Mean temperature", "C", "15");
    AddField("humidity", "Relative humidity", "%", "75");
    AddField("so2", "SO2 deposition", "mg/(m^2 d)", "10");
    AddField("chloride", "Chloride deposition", "mg/(m^2 d)", "50");
    AddField("mass", "First-year mass loss", "g/m^2", "300");
    AddField("thickness", "First-year thickness loss", "um", "40");
    AddField("years", "Years", "", "20");
    AddField("allowance", "Corrosion allowance", "um (optional)", "200");
    for (QComboBox* combo : {metal, source})
        WatchForEdits(combo);

    // The typical environments are sentences: their rows wrap.
    ShareWidth(2, 3);
    QHeaderView* header = results->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->resizeSection(
        0, fontMetrics().horizontalAdvance("Allowance used after (upper)") * 3 / 4);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    results->setWordWrap(true);
    results->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    losses = new QTableWidget(0, 3, this);
    losses->setHorizontalHeaderLabels({"Years", "Mean loss (um)", "Upper loss (um)"});
    losses->verticalHeader()->hide();
    losses->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    losses->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    losses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* below = new QWidget(this);
    auto* row = new QHBoxLayout(below);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(losses, 1);
    plot = new LossPlot(this);
    row->addWidget(plot, 2);
    AddBelow(below);
    AddLifeButton();
    Recalculate();
}

void AtmospherePage::ShowSource()
{
    const int from = source->currentIndex();
    for (const char* key : {"temperature", "humidity", "so2", "chloride"})
        ShowField(key, from == 0);
    ShowField("mass", from == 1);
    ShowField("thickness", from == 2);
}

std::optional<double> AtmospherePage::Value(
    const std::string& key, const std::string& what, bool anySign)
{
    const Checked<double> value = anySign ? Number(key, what, false) : NumberNotNegative(key, what);
    if (!value) {
        ShowError(value.error());
        return std::nullopt;
    }
    return *value;
}

void AtmospherePage::Recalculate()
{
    if (!plot)
        return; // still being built
    ShowSource();
    StartCalculation();
    plot->SetCurve(std::nullopt);
    losses->setRowCount(0);

    AtmosphereRequest request;
    request.metal = kAtmosphereMetals[static_cast<size_t>(std::max(0, metal->currentIndex()))];
    request.source = static_cast<AtmosphereSource>(source->currentIndex());
    if (request.source == AtmosphereSource::Climate) {
        const auto t = Value("temperature", "the temperature", true);
        const auto rh = t ? Value("humidity", "the relative humidity", false) : std::nullopt;
        const auto so2 = rh ? Value("so2", "the SO2 deposition", false) : std::nullopt;
        const auto cl = so2 ? Value("chloride", "the chloride deposition", false) : std::nullopt;
        if (!cl)
            return;
        request.climate = {*t, *rh, *so2, *cl};
    } else {
        const bool mass = request.source == AtmosphereSource::MassLoss;
        const auto loss = mass ? Value("mass", "the mass loss", false)
                               : Value("thickness", "the thickness loss", false);
        if (!loss)
            return;
        request.firstYearLoss = *loss;
    }
    const auto years = Value("years", "the years", false);
    if (!years)
        return;
    request.years = *years;
    request.allowance = OptionalNumber("allowance", "the allowance");
    if (!request.allowance && !ErrorText("allowance").empty())
        return;

    const Checked<AtmosphereAssessment> result = AssessAtmosphere(request);
    if (!result)
        return ShowError(result.error());
    // The remaining-life page gets the mean rate at which the upper estimate
    // uses the allowance, or without one the first-year rate.
    const double lifeRate = result->yearsToAllowance
        ? *request.allowance / 1000 / *result->yearsToAllowance
        : result->rate / 1000;
    ShowResults(result->rows, lifeRate);

    losses->setRowCount(static_cast<int>(result->losses.size()));
    for (int r = 0; r < losses->rowCount(); ++r) {
        const LossPoint& point = result->losses[static_cast<size_t>(r)];
        const double cells[] = {point.years, point.mean, point.upper};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(column == 0
                    ? QString::number(cells[column])
                    : QString::fromStdString(ResultNumber(cells[column], 3)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            losses->setItem(r, column, item);
        }
    }
    plot->SetCurve(LossPlot::Curve {result->rate, TimeExponentsOf(request.metal), request.years,
        request.allowance, result->yearsToAllowance});
}

} // namespace corrolab
