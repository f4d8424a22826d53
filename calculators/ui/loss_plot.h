#pragma once

#include "calculators/atmospheric_corrosivity.h"
#include "calculators/ui/plot_widget.h"

#include <optional>

namespace corrolab {

// The atmospheric loss against years: the mean and the upper ISO 9224 curves
// and, when given, the allowance and the year the upper curve reaches it.
class LossPlot : public PlotWidget
{
    Q_OBJECT

public:
    explicit LossPlot(QWidget* parent = nullptr);

    struct Curve
    {
        double rate = 0; // first-year rate, um/year
        TimeExponents exponents {};
        double years = 20;
        std::optional<double> allowance; // um
        std::optional<double> yearsToAllowance; // upper estimate
    };
    void SetCurve(std::optional<Curve> curve);
    bool HasCurve() const override { return curve_.has_value(); }

protected:
    void Draw(QPainter& painter, QSize size) override;

private:
    std::optional<Curve> curve_;
};

} // namespace corrolab
