#include "calculators/ui/plot_widget.h"

#include "base/ui/qt_text.h"
#include "calculators/field_number.h"
#include "calculators/plot_scale.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace corrolab {

namespace {

constexpr int kLeft = 56;
constexpr int kRight = 16;
constexpr int kTop = 14;
constexpr int kBottom = 40;

// A tick label without needless digits ("2.5", "10").
QString Tick(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text;
}

} // namespace

PlotWidget::PlotWidget(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QPointF PlotWidget::Axes::Point(double x, double y) const
{
    return {area.left() + x / xEnd * area.width(), area.bottom() - y / yEnd * area.height()};
}

QString PlotWidget::Number(double value)
{
    return QString::fromStdString(ResultNumber(value));
}

bool PlotWidget::SavePng(const std::filesystem::path& file)
{
    QImage image(QSize(800, 450), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font());
    Draw(painter, image.size());
    painter.end();
    return image.save(QPath(file), "PNG");
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Draw(painter, size());
}

QRectF PlotWidget::DrawFrame(
    QPainter& painter, QSize size, const QString& xTitle, const QString& yTitle)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(kLeft, kTop, size.width() - kLeft - kRight, size.height() - kTop - kBottom);
    painter.setPen(Qt::black);
    painter.drawRect(area);
    const int lineHeight = painter.fontMetrics().height();
    painter.drawText(QRectF(area.left(), area.bottom() + lineHeight + 4, area.width(), lineHeight),
        Qt::AlignHCenter, xTitle);
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-area.height() / 2, -8, area.height(), lineHeight), Qt::AlignHCenter, yTitle);
    painter.restore();
    return area;
}

PlotWidget::Axes PlotWidget::DrawGrid(
    QPainter& painter, const QRectF& area, double xMax, int xSteps, double yMax, int ySteps)
{
    const double xStep = RoundStep(xMax, xSteps);
    const double yStep = RoundStep(yMax, ySteps);
    const Axes axes {area, std::ceil(xMax / xStep) * xStep, std::ceil(yMax / yStep) * yStep};
    const int lineHeight = painter.fontMetrics().height();
    painter.setPen(QColor(220, 220, 220));
    for (double x = xStep; x < axes.xEnd - xStep / 2; x += xStep)
        painter.drawLine(axes.Point(x, 0), axes.Point(x, axes.yEnd));
    for (double y = yStep; y < axes.yEnd - yStep / 2; y += yStep)
        painter.drawLine(axes.Point(0, y), axes.Point(axes.xEnd, y));
    painter.setPen(Qt::black);
    for (double x = 0; x <= axes.xEnd + xStep / 2; x += xStep)
        painter.drawText(QRectF(axes.Point(x, 0).x() - 40, area.bottom() + 2, 80, lineHeight),
            Qt::AlignHCenter, Tick(x));
    for (double y = 0; y <= axes.yEnd + yStep / 2; y += yStep)
        painter.drawText(
            QRectF(0, axes.Point(0, y).y() - lineHeight / 2.0, area.left() - 4, lineHeight),
            Qt::AlignRight | Qt::AlignVCenter, Tick(y));
    return axes;
}

} // namespace corrolab
