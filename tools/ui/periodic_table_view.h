#pragma once

#include <QWidget>
#include <optional>
#include <set>

namespace corrolab {

class HeatScale;

// The periodic table drawn cell by cell: symbol, atomic number and one chosen
// field of each element, coloured by family or as a heat map of that field, with
// its legend above the transition metals. Arrow keys move the current element,
// Enter or a double click uses it.
class PeriodicTableView : public QWidget
{
    Q_OBJECT

public:
    enum class Colouring { Family, HeatMap };

    explicit PeriodicTableView(QWidget* parent = nullptr);
    ~PeriodicTableView() override;

    void setField(int k); // the record field each cell shows (and the heat map reads)
    int field() const { return field_; }
    void setColouring(Colouring colouring);
    Colouring colouring() const { return colouring_; }
    void setCurrent(int z);
    int current() const { return current_; }
    // Elements a search found; the others are drawn faded. Empty: none faded.
    void setMatches(const std::vector<int>& matches);

    // The element under a point of the widget, or 0.
    int elementAt(QPointF point) const;
    // Where the element's cell is drawn.
    QRectF cellRect(int z) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int z);
    void hovered(int z); // 0 when the pointer leaves the elements
    void activated(int z);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double cellSize() const;
    QPointF origin() const;
    QRectF placeRect(int row, int column) const;
    QColor fillOf(int z) const;
    void paintCell(QPainter& painter, int z) const;
    void paintSeriesMarker(QPainter& painter, int row, int column) const;
    void paintLegend(QPainter& painter) const;
    void paintFamilyLegend(QPainter& painter, const QRectF& area) const;
    void paintHeatLegend(QPainter& painter, const QRectF& area) const;

    int field_ = 4;
    Colouring colouring_ = Colouring::Family;
    int current_ = 26;
    int hovered_ = 0;
    std::set<int> matches_;
    std::unique_ptr<HeatScale> scale_;
};

} // namespace corrolab
