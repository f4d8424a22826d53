#pragma once

#include "calculators/remaining_life.h"

#include <QWidget>
#include <filesystem>
#include <optional>

namespace corrolab {

// The wall thickness against time: the thinning line, the minimum-thickness line
// and the point where they cross.
class ThicknessPlot : public QWidget
{
    Q_OBJECT

public:
    explicit ThicknessPlot(QWidget* parent = nullptr);

    // The wall and its remaining life in years, or none (an empty frame).
    void SetWall(std::optional<WallInput> wall, double years = 0);
    bool HasCurve() const { return wall_.has_value(); }
    // Writes the plot as a PNG file; false when it cannot be written.
    bool SavePng(const std::filesystem::path& file);

    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Draw(QPainter& painter, QSize size);

    std::optional<WallInput> wall_;
    double years_ = 0;
};

} // namespace corrolab
