#include "calculators/ui/thickness_plot.h"

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

QString Number(double value)
{
    return QString::fromStdString(ResultNumber(value));
}

// A tick label without needless digits ("2.5", "10").
QString Tick(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text;
}

} // namespace

ThicknessPlot::ThicknessPlot(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ThicknessPlot::SetWall(std::optional<WallInput> wall, double years)
{
    wall_ = wall;
    years_ = years;
    update();
}

bool ThicknessPlot::SavePng(const std::filesystem::path& file)
{
    QImage image(QSize(800, 450), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font());
    Draw(painter, image.size());
    painter.end();
    return image.save(QString::fromStdString(file.string()), "PNG");
}

void ThicknessPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Draw(painter, size());
}

void ThicknessPlot::Draw(QPainter& painter, QSize size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(kLeft, kTop, size.width() - kLeft - kRight, size.height() - kTop - kBottom);
    painter.setPen(Qt::black);
    painter.drawRect(area);
    const int lineHeight = painter.fontMetrics().height();
    painter.drawText(QRectF(area.left(), area.bottom() + lineHeight + 4, area.width(), lineHeight),
        Qt::AlignHCenter, "years from the measurement");
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -8, area.height(), lineHeight), Qt::AlignHCenter,
        "thickness (mm)");
    painter.restore();
    if (!wall_) {
        painter.drawText(area, Qt::AlignCenter, "no curve: see the inputs");
        return;
    }

    const double xMax = std::max(years_ * 1.25, 1e-9);
    const double xStep = RoundStep(xMax, 8);
    const double xEnd = std::ceil(xMax / xStep) * xStep;
    const double yStep = RoundStep(wall_->thickness * 1.1, 6);
    const double yEnd = std::ceil(wall_->thickness * 1.1 / yStep) * yStep;
    const auto point = [&](double years, double thickness) {
        return QPointF(area.left() + years / xEnd * area.width(),
            area.bottom() - thickness / yEnd * area.height());
    };

    painter.setPen(QColor(220, 220, 220));
    for (double x = xStep; x < xEnd - xStep / 2; x += xStep)
        painter.drawLine(point(x, 0), point(x, yEnd));
    for (double y = yStep; y < yEnd - yStep / 2; y += yStep)
        painter.drawLine(point(0, y), point(xEnd, y));
    painter.setPen(Qt::black);
    for (double x = 0; x <= xEnd + xStep / 2; x += xStep)
        painter.drawText(QRectF(point(x, 0).x() - 40, area.bottom() + 2, 80, lineHeight),
            Qt::AlignHCenter, Tick(x));
    for (double y = 0; y <= yEnd + yStep / 2; y += yStep)
        painter.drawText(QRectF(0, point(0, y).y() - lineHeight / 2.0, kLeft - 4, lineHeight),
            Qt::AlignRight | Qt::AlignVCenter, Tick(y));

    painter.setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DashLine));
    painter.drawLine(point(0, wall_->minimum), point(xEnd, wall_->minimum));
    painter.drawText(QRectF(area.left() + 4, point(0, wall_->minimum).y() - lineHeight - 1,
                         area.width() / 2, lineHeight),
        Qt::AlignLeft, "minimum " + Number(wall_->minimum) + " mm");

    painter.setPen(QPen(QColor(20, 70, 180), 2));
    const double endYears = std::min(xEnd, wall_->thickness / wall_->rate);
    painter.drawLine(point(0, wall_->thickness), point(endYears, ThicknessAfter(*wall_, endYears)));

    const QPointF crossing = point(years_, wall_->minimum);
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
