#pragma once

#include "app/platform.h"
#include "calculators/ui/calculator_page.h"

namespace corrolab {

class ThicknessPlot;

// Remaining life and corrosion allowance, with the thickness plotted against time.
class LifePage : public CalculatorPage
{
    Q_OBJECT

public:
    LifePage(Platform& platform, MaterialSource source, QWidget* parent = nullptr);

    QComboBox* rateUnit = nullptr;
    ThicknessPlot* plot = nullptr;
    QPushButton* savePlot = nullptr;
    SeverityBand* generalBand = nullptr;

    // A rate handed over from another page, in mm/year.
    void UseRate(double millimetresPerYear);
    void SavePlot();
    void Recalculate() override;

private:
    Platform& platform_;
};

} // namespace corrolab
