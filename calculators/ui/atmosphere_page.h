#pragma once

#include "calculators/ui/calculator_page.h"

class QTableWidget;

namespace corrolab {

class LossPlot;

// Atmospheric corrosivity: the ISO 9223 category estimated from the climate or
// determined from a coupon's first year, and the ISO 9224 loss over the years.
class AtmospherePage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit AtmospherePage(QWidget* parent = nullptr);

    QComboBox* metal = nullptr; // "carbon steel", "zinc", "copper", "aluminium"
    QComboBox* source = nullptr; // "Climate", "First-year mass loss", "First-year thickness loss"
    QTableWidget* losses = nullptr; // years, mean and upper loss
    LossPlot* plot = nullptr;

    void Recalculate() override;

private:
    void ShowSource();
    std::optional<double> Value(const std::string& key, const std::string& what, bool anySign);
};

} // namespace corrolab
