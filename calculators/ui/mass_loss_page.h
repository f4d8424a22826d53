#pragma once

#include "calculators/ui/calculator_page.h"

namespace corrolab {

// Coupon mass loss: CR = K * W / (A * T * D) with the area typed or worked out
// from the coupon's dimensions, and the pitting factor from the deepest pit.
class MassLossPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit MassLossPage(MaterialSource source, QWidget* parent = nullptr);

    QComboBox* massSource = nullptr; // "Mass loss" or "Weighings"
    QComboBox* areaSource = nullptr; // "Area", "Rectangular coupon" or "Disc coupon"
    QComboBox* timeUnit = nullptr; // "hours" or "days"
    QComboBox* unit = nullptr;
    SeverityBand* generalBand = nullptr;
    SeverityBand* pittingBand = nullptr;

    void Recalculate() override;

private:
    void ShowSources();
    Checked<double> MassLoss();
    // The exposed area; `dimensionsArea` is set when it was worked out from the
    // coupon's dimensions.
    Checked<double> Area(std::optional<double>& dimensionsArea);
    Checked<double> Hours();
};

} // namespace corrolab
