#include "calculators/ui/loss_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace corrolab {

namespace {
constexpr int kSamples = 200;
}

LossPlot::LossPlot(QWidget* parent)
    : PlotWidget(parent)
{ }

void LossPlot::SetCurve(std::optional<Curve> curve)
{
    curve_ = curve;
    update();
}

void LossPlot::Draw(QPainter& painter, QSize size)
{
    const QRectF area = DrawFrame(painter, size, "years of exposure", "loss (um)");
    if (!curve_ || !(curve_->rate > 0)) {
        painter.drawText(area, Qt::AlignCenter, "no curve: see the inputs");
        return;
    }
    const Curve& c = *curve_;
    // An allowance far above the curves would flatten them: it is drawn when it
    // lies within three times the upper loss.
    const double upperLoss = LongTermLoss(c.rate, c.exponents.upper, c.years);
    const bool showAllowance = c.allowance && *c.allowance <= 3 * upperLoss;
    const double top = showAllowance ? std::max(upperLoss, *c.allowance) : upperLoss;
    const Axes axes = DrawGrid(painter, area, c.years, 10, top * 1.1, 6);
    const int lineHeight = painter.fontMetrics().height();

    // The curves are clipped to the frame.
    painter.save();
    painter.setClipRect(area);
    const auto curve = [&](double exponent, const QColor& colour, Qt::PenStyle style) {
        QPainterPath path(axes.Point(0, 0));
        for (int i = 1; i <= kSamples; ++i) {
            const double t = c.years * i / kSamples;
            path.lineTo(axes.Point(t, LongTermLoss(c.rate, exponent, t)));
        }
        painter.setPen(QPen(colour, 2, style));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };
    curve(c.exponents.mean, QColor(20, 70, 180), Qt::SolidLine);
    curve(c.exponents.upper, QColor(200, 110, 20), Qt::DashLine);
    if (showAllowance) {
        painter.setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DotLine));
        painter.drawLine(axes.Point(0, *c.allowance), axes.Point(axes.xEnd, *c.allowance));
        if (c.yearsToAllowance && *c.yearsToAllowance <= axes.xEnd) {
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(QColor(255, 200, 0));
            painter.drawEllipse(axes.Point(*c.yearsToAllowance, *c.allowance), 5, 5);
        }
    }
    painter.restore();

    // The key, top left inside the frame.
    const QString keys[] = {"mean (b1)", "upper (b2)",
        showAllowance ? "allowance " + QString::number(*c.allowance) + " um" : QString()};
    const QColor colours[] = {QColor(20, 70, 180), QColor(200, 110, 20), QColor(200, 30, 30)};
    const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    double y = area.top() + 4;
    for (int i = 0; i < 3; ++i) {
        if (keys[i].isEmpty())
            continue;
        painter.setPen(QPen(colours[i], 2, styles[i]));
        painter.drawLine(QPointF(area.left() + 8, y + lineHeight / 2.0),
            QPointF(area.left() + 32, y + lineHeight / 2.0));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(area.left() + 38, y, area.width() / 2, lineHeight), Qt::AlignLeft, keys[i]);
        y += lineHeight + 2;
    }
}

} // namespace corrolab
