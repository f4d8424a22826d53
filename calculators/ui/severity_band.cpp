#include "calculators/ui/severity_band.h"

#include "calculators/field_number.h"
#include "calculators/plot_scale.h"

#include <QPainter>
#include <QPainterPath>

namespace corrolab {

namespace {

const QColor kColours[]
    = {QColor(76, 175, 80), QColor(255, 213, 79), QColor(255, 152, 0), QColor(229, 57, 53)};
constexpr const char* kNames[] = {"low", "moderate", "high", "severe"};
constexpr int kMargin = 8;
constexpr int kTitleHeight = 26; // room for the marker's arrow below the title
constexpr int kBandHeight = 20;

QString Number(double value)
{
    return QString::fromStdString(ResultNumber(value));
}

} // namespace

SeverityBand::SeverityBand(Attack attack, QWidget* parent)
    : QWidget(parent)
    , attack_(attack)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SeverityBand::SetRate(std::optional<double> rate)
{
    rate_ = rate;
    update();
}

QSize SeverityBand::sizeHint() const
{
    return {360, minimumSizeHint().height()};
}

QSize SeverityBand::minimumSizeHint() const
{
    return {240, kTitleHeight + kBandHeight + 2 * fontMetrics().height() + 2 * kMargin};
}

void SeverityBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int left = kMargin;
    const int width = this->width() - 2 * kMargin;
    const int bandTop = kTitleHeight + kMargin / 2;

    const QString title = attack_ == Attack::General
        ? "General corrosion, carbon steel (NACE SP0775), mm/year"
        : "Pitting, carbon steel (NACE SP0775), mm/year";
    painter.drawText(
        QRect(left, 0, width, kTitleHeight - 8), Qt::AlignLeft | Qt::AlignVCenter, title);

    const SeverityEdges& edges = EdgesFor(attack_);
    const double edgeValues[] = {edges.moderate, edges.high, edges.severe};
    const int current = rate_ ? static_cast<int>(Classify(*rate_, attack_)) : -1;
    for (int part = 0; part < 4; ++part) {
        const QRect segment(left + part * width / 4, bandTop, width / 4, kBandHeight);
        QColor colour = kColours[part];
        if (current >= 0 && part != current)
            colour = colour.lighter(150);
        painter.fillRect(segment, colour);
        QFont font = painter.font();
        font.setBold(part == current);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(segment, Qt::AlignCenter, kNames[part]);
    }
    painter.setFont(font());
    painter.setPen(Qt::darkGray);
    const int labelTop = bandTop + kBandHeight;
    const int lineHeight = fontMetrics().height();
    for (int edge = 0; edge < 3; ++edge) {
        const int x = left + (edge + 1) * width / 4;
        painter.drawLine(x, bandTop, x, labelTop + 3);
        painter.drawText(QRect(x - 40, labelTop + 2, 80, lineHeight), Qt::AlignHCenter,
            QString::number(edgeValues[edge], 'g', 6));
    }

    if (!rate_)
        return;
    const int x = left + static_cast<int>(BandPosition(*rate_, attack_) * width);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(x, bandTop - 2, x, labelTop + 2);
    QPainterPath arrow;
    arrow.moveTo(x, bandTop);
    arrow.lineTo(x - 5, bandTop - 7);
    arrow.lineTo(x + 5, bandTop - 7);
    arrow.closeSubpath();
    painter.fillPath(arrow, Qt::black);
    const QString text = Number(*rate_) + " mm/year";
    const int textWidth = fontMetrics().horizontalAdvance(text) + 4;
    const int textLeft = std::clamp(x - textWidth / 2, left, left + width - textWidth);
    painter.drawText(
        QRect(textLeft, labelTop + 2 + lineHeight, textWidth, lineHeight), Qt::AlignCenter, text);
}

} // namespace corrolab
