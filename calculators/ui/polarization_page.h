#pragma once

#include "calculators/ui/calculator_page.h"

namespace corrolab {

// Polarization resistance: i_corr = B / Rp (Stern-Geary), B typed or from the
// Tafel slopes, and the rate through the main window's factors.
class PolarizationPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit PolarizationPage(MaterialSource source, QWidget* parent = nullptr);

    QComboBox* bSource = nullptr; // "Typed" or "From Tafel slopes"
    QComboBox* rpUnit = nullptr; // "ohm cm^2" or "ohm"
    QComboBox* unit = nullptr;
    SeverityBand* generalBand = nullptr;

    void Recalculate() override;

private:
    Checked<double> Coefficient();
};

} // namespace corrolab
