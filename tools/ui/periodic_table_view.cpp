#include "tools/ui/periodic_table_view.h"

#include "tools/element_facts.h"
#include "tools/heat_scale.h"
#include "tools/periodic_layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace corrolab {

namespace {

// The gap between period 7 and the lanthanide row, in cells.
constexpr double kSeriesGap = 0.35;
constexpr double kTableHeightInCells = kTableRows + kSeriesGap;

const std::array<QColor, kFamilyCount> kFamilyColours {
    QColor(255, 179, 171), // alkali metal
    QColor(255, 222, 163), // alkaline earth metal
    QColor(255, 242, 179), // transition metal
    QColor(204, 230, 204), // post-transition metal
    QColor(196, 225, 214), // metalloid
    QColor(190, 215, 245), // nonmetal
    QColor(176, 232, 240), // halogen
    QColor(222, 205, 245), // noble gas
    QColor(255, 204, 230), // lanthanide
    QColor(242, 196, 214), // actinide
};

QColor Colour(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString Number(double value)
{
    // Whole numbers without decimals, others with up to four significant digits.
    if (value == static_cast<long long>(value) && std::abs(value) < 1e9)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 4);
}

} // namespace

PeriodicTableView::PeriodicTableView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName("Periodic table");
}

PeriodicTableView::~PeriodicTableView() = default;

void PeriodicTableView::setField(int k)
{
    field_ = k;
    const std::optional<HeatScale> scale = HeatScale::OfField(k, LastRecordedElement());
    scale_ = scale ? std::make_unique<HeatScale>(*scale) : nullptr;
    update();
}

void PeriodicTableView::setColouring(Colouring colouring)
{
    colouring_ = colouring;
    update();
}

void PeriodicTableView::setCurrent(int z)
{
    if (z < 1 || z > LastRecordedElement() || z == current_)
        return;
    current_ = z;
    update();
    emit currentChanged(z);
}

void PeriodicTableView::setMatches(const std::vector<int>& matches)
{
    matches_ = std::set<int>(matches.begin(), matches.end());
    update();
}

double PeriodicTableView::cellSize() const
{
    return std::min(width() / double(kTableColumns), height() / kTableHeightInCells);
}

QPointF PeriodicTableView::origin() const
{
    const double cell = cellSize();
    // Centred across, at the top: the panel beside it starts at the top too.
    return {
        (width() - cell * kTableColumns) / 2, std::min(4.0, height() - cell * kTableHeightInCells)};
}

QRectF PeriodicTableView::placeRect(int row, int column) const
{
    const double cell = cellSize();
    const double gap = row >= kLanthanideRow ? kSeriesGap * cell : 0;
    const QPointF topLeft = origin() + QPointF((column - 1) * cell, (row - 1) * cell + gap);
    return QRectF(topLeft, QSizeF(cell, cell));
}

QRectF PeriodicTableView::cellRect(int z) const
{
    const std::optional<TableCell> cell = CellOf(z);
    return cell ? placeRect(cell->row, cell->column) : QRectF();
}

int PeriodicTableView::elementAt(QPointF point) const
{
    for (int z = 1; z <= LastRecordedElement(); ++z)
        if (cellRect(z).contains(point))
            return z;
    return 0;
}

QSize PeriodicTableView::sizeHint() const
{
    const int cell = fontMetrics().height() * 3;
    return {cell * kTableColumns, static_cast<int>(cell * kTableHeightInCells)};
}

QSize PeriodicTableView::minimumSizeHint() const
{
    const int cell = fontMetrics().height() * 3 / 2;
    return {cell * kTableColumns, static_cast<int>(cell * kTableHeightInCells)};
}

QColor PeriodicTableView::fillOf(int z) const
{
    if (colouring_ == Colouring::HeatMap && scale_) {
        const std::optional<Rgb> rgb = scale_->ColourOfElement(z);
        return rgb ? Colour(*rgb) : QColor(235, 235, 235);
    }
    return kFamilyColours[static_cast<size_t>(FamilyOf(z))];
}

void PeriodicTableView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int z = 1; z <= kLastPlacedElement; ++z)
        paintCell(painter, z);
    for (int row : {6, 7})
        paintSeriesMarker(painter, row, 3);
    paintLegend(painter);
}

void PeriodicTableView::paintCell(QPainter& painter, int z) const
{
    const QRectF outer = cellRect(z);
    const QRectF box = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    const double cell = outer.width();
    if (z > LastRecordedElement()) {
        // A place the records hold nothing for: an empty outline.
        painter.setPen(QPen(QColor(190, 190, 190), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box, 3, 3);
        return;
    }
    const bool faded = !matches_.empty() && !matches_.contains(z);
    QColor fill = fillOf(z);
    QColor ink = Qt::black;
    if (colouring_ == Colouring::HeatMap && scale_)
        if (const auto rgb = scale_->ColourOfElement(z); rgb && WantsLightText(*rgb))
            ink = Qt::white;
    if (faded) {
        fill = QColor(245, 245, 245);
        ink = QColor(170, 170, 170);
    }
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 3, 3);

    const std::vector<std::string> record = RecordOf(z);
    QFont font = painter.font();
    painter.setPen(ink);
    // A small cell shows the number and the symbol; a larger one the value too.
    const bool roomForValue = cell >= fontMetrics().height() * 2.6;
    font.setPixelSize(std::max(6, static_cast<int>(cell * (roomForValue ? 0.19 : 0.24))));
    font.setBold(false);
    painter.setFont(font);
    const QRectF inner = box.adjusted(cell * 0.06, cell * 0.02, -cell * 0.06, -cell * 0.03);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(z));
    if (roomForValue)
        painter.drawText(inner, Qt::AlignHCenter | Qt::AlignBottom,
            QString::fromStdString(CellValue(z, field_)));
    font.setPixelSize(std::max(8, static_cast<int>(cell * (roomForValue ? 0.32 : 0.38))));
    font.setBold(true);
    painter.setFont(font);
    const QRectF symbolBox = roomForValue ? box : box.adjusted(0, cell * 0.2, 0, 0);
    painter.drawText(symbolBox, Qt::AlignCenter, QString::fromStdString(record[1]));

    if (z == current_ || z == hovered_) {
        const bool isCurrent = z == current_;
        painter.setPen(QPen(isCurrent ? palette().color(QPalette::Highlight) : QColor(60, 60, 60),
            isCurrent ? 3 : 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 4, 4);
    }
}

void PeriodicTableView::paintSeriesMarker(QPainter& painter, int row, int column) const
{
    const int first = SeriesStartAt(row, column);
    const QRectF box = placeRect(row, column).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    painter.setBrush(kFamilyColours[static_cast<size_t>(FamilyOf(first))].lighter(108));
    painter.drawRoundedRect(box, 3, 3);
    QFont font = painter.font();
    font.setBold(false);
    font.setPixelSize(std::max(6, static_cast<int>(box.width() * 0.2)));
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(box, Qt::AlignCenter, QString("%1-\n%2").arg(first).arg(first + 14));
}

void PeriodicTableView::paintLegend(QPainter& painter) const
{
    // The empty space above the transition metals: columns 3 to 12, rows 1 to 3.
    const QRectF area = placeRect(1, 3).united(placeRect(3, 12)).adjusted(4, 2, -4, -4);
    if (colouring_ == Colouring::HeatMap && scale_)
        paintHeatLegend(painter, area);
    else
        paintFamilyLegend(painter, area);
}

void PeriodicTableView::paintFamilyLegend(QPainter& painter, const QRectF& area) const
{
    QFont font = painter.font();
    font.setBold(false);
    font.setPixelSize(std::max(9, static_cast<int>(cellSize() * 0.2)));
    painter.setFont(font);
    const int rows = (kFamilyCount + 1) / 2;
    const double lineHeight = area.height() / rows;
    const double swatch = std::min(lineHeight * 0.7, area.width() / 20);
    for (int i = 0; i < kFamilyCount; ++i) {
        const double x = area.left() + (i / rows) * area.width() / 2;
        const double y = area.top() + (i % rows) * lineHeight;
        const QRectF box(x, y + (lineHeight - swatch) / 2, swatch, swatch);
        painter.setPen(QPen(QColor(120, 120, 120), 1));
        painter.setBrush(kFamilyColours[static_cast<size_t>(i)]);
        painter.drawRect(box);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(x + swatch * 1.5, y, area.width() / 2 - swatch * 1.5, lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter,
            QString::fromUtf8(FamilyName(static_cast<ElementFamily>(i)).data()));
    }
}

void PeriodicTableView::paintHeatLegend(QPainter& painter, const QRectF& area) const
{
    const RecordField& field = RecordFieldList()[static_cast<size_t>(field_ - 1)];
    QString title = QString::fromUtf8(field.label.data(), field.label.size());
    if (!field.unit.empty())
        title += QString(" (%1)").arg(QString::fromUtf8(field.unit.data(), field.unit.size()));
    QFont font = painter.font();
    font.setPixelSize(std::max(9, static_cast<int>(cellSize() * 0.22)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    const double line = area.height() / 4;
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line),
        Qt::AlignLeft | Qt::AlignVCenter, title);
    // The colour bar, drawn in narrow strips of the scale's own colours.
    const QRectF bar(area.left(), area.top() + line * 1.2, area.width(), line);
    const int strips = std::max(2, static_cast<int>(bar.width()));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < strips; ++i) {
        const double fraction = i / double(strips - 1);
        painter.setBrush(Colour(HeatColour(fraction)));
        painter.drawRect(QRectF(bar.left() + bar.width() * i / strips, bar.top(),
            bar.width() / strips + 0.8, bar.height()));
    }
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    const std::vector<double> values = scale_->LegendValues(5);
    for (size_t i = 0; i < values.size(); ++i) {
        const double x = bar.left() + bar.width() * i / (values.size() - 1);
        const double w = bar.width() / 4;
        const Qt::Alignment along = i == 0 ? Qt::AlignLeft
            : i + 1 == values.size()       ? Qt::AlignRight
                                           : Qt::AlignHCenter;
        const double left = i == 0 ? x : i + 1 == values.size() ? x - w : x - w / 2;
        painter.drawLine(QPointF(x, bar.bottom()), QPointF(x, bar.bottom() + line * 0.2));
        painter.drawText(QRectF(left, bar.bottom() + line * 0.2, w, line), along | Qt::AlignTop,
            Number(values[i]));
    }
    painter.drawText(QRectF(area.left(), bar.bottom() + line * 1.2, area.width(), line * 0.8),
        Qt::AlignLeft | Qt::AlignVCenter, "Grey: not known");
}

void PeriodicTableView::mouseMoveEvent(QMouseEvent* event)
{
    const int z = elementAt(event->position());
    if (z != hovered_) {
        hovered_ = z;
        update();
        emit hovered(z);
    }
}

void PeriodicTableView::mousePressEvent(QMouseEvent* event)
{
    if (const int z = elementAt(event->position())) {
        setFocus(Qt::MouseFocusReason);
        setCurrent(z);
    }
}

void PeriodicTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const int z = elementAt(event->position())) {
        setCurrent(z);
        emit activated(z);
    }
}

void PeriodicTableView::leaveEvent(QEvent*)
{
    if (hovered_ != 0) {
        hovered_ = 0;
        update();
        emit hovered(0);
    }
}

void PeriodicTableView::keyPressEvent(QKeyEvent* event)
{
    const auto step = [this](TableStep direction) {
        setCurrent(StepFrom(current_, direction, LastRecordedElement()));
    };
    switch (event->key()) {
    case Qt::Key_Left:
        step(TableStep::Left);
        break;
    case Qt::Key_Right:
        step(TableStep::Right);
        break;
    case Qt::Key_Up:
        step(TableStep::Up);
        break;
    case Qt::Key_Down:
        step(TableStep::Down);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated(current_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace corrolab
