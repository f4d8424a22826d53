#pragma once

#include "calculators/remaining_life.h"
#include "calculators/ui/plot_widget.h"

#include <optional>

namespace corrolab {

// The wall thickness against time: the thinning line, the minimum-thickness line
// and the point where they cross.
class ThicknessPlot : public PlotWidget
{
    Q_OBJECT

public:
    explicit ThicknessPlot(QWidget* parent = nullptr);

    // The wall and its remaining life in years, or none (an empty frame).
    void SetWall(std::optional<WallInput> wall, double years = 0);
    bool HasCurve() const override { return wall_.has_value(); }

protected:
    void Draw(QPainter& painter, QSize size) override;

private:
    std::optional<WallInput> wall_;
    double years_ = 0;
};

} // namespace corrolab
