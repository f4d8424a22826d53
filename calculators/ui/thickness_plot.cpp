#include "calculators/ui/thickness_plot.h"

#include <QPainter>
#include <algorithm>

namespace corrolab {

ThicknessPlot::ThicknessPlot(QWidget* parent)
    : PlotWidget(parent)
{ }

void ThicknessPlot::SetWall(std::optional<WallInput> wall, double years)
{
    wall_ = wall;
    years_ = years;
    update();
}

void ThicknessPlot::Draw(QPainter& painter, QSize size)
{
    const QRectF area = DrawFrame(painter, size, "years from the measurement", "thickness (mm)");
    if (!wall_) {
        painter.drawText(area, Qt::AlignCenter, "no curve: see the inputs");
        return;
    }
    const Axes axes
        = DrawGrid(painter, area, std::max(years_ * 1.25, 1e-9), 8, wall_->thickness * 1.1, 6);
    const int lineHeight = painter.fontMetrics().height();

    painter.setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DashLine));
    painter.drawLine(axes.Point(0, wall_->minimum), axes.Point(axes.xEnd, wall_->minimum));
    painter.drawText(QRectF(area.left() + 4, axes.Point(0, wall_->minimum).y() - lineHeight - 1,
                         area.width() / 2, lineHeight),
        Qt::AlignLeft, "minimum " + Number(wall_->minimum) + " mm");

    painter.setPen(QPen(QColor(20, 70, 180), 2));
    const double endYears = std::min(axes.xEnd, wall_->thickness / wall_->rate);
    painter.drawLine(
        axes.Point(0, wall_->thickness), axes.Point(endYears, ThicknessAfter(*wall_, endYears)));

    const QPointF crossing = axes.Point(years_, wall_->minimum);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(255, 200, 0));
    painter.drawEllipse(crossing, 5, 5);
    const QString label = Number(years_) + " years";
    const double labelWidth = painter.fontMetrics().horizontalAdvance(label) + 6;
    const double labelLeft = std::clamp(crossing.x() + 8, area.left(), area.right() - labelWidth);
    painter.drawText(
        QRectF(labelLeft, crossing.y() + 4, labelWidth, lineHeight), Qt::AlignLeft, label);
}

} // namespace corrolab
