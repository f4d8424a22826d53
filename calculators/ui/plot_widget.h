#pragma once

#include <QWidget>
#include <filesystem>

class QPainter;

namespace corrolab {

// What the calculator plots share: a white frame with axis titles, a grid of
// round steps with tick labels, drawing on screen and into a PNG file.
class PlotWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PlotWidget(QWidget* parent = nullptr);

    virtual bool HasCurve() const = 0;
    // Writes the plot as a PNG file; false when it cannot be written.
    bool SavePng(const std::filesystem::path& file);

    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

protected:
    // Where the values land: x from 0 to xEnd, y from 0 to yEnd.
    struct Axes
    {
        QRectF area;
        double xEnd = 1;
        double yEnd = 1;
        QPointF Point(double x, double y) const;
    };

    void paintEvent(QPaintEvent* event) override;
    virtual void Draw(QPainter& painter, QSize size) = 0;
    // The frame and the axis titles; the area inside the frame.
    QRectF DrawFrame(QPainter& painter, QSize size, const QString& xTitle, const QString& yTitle);
    // The grid and tick labels for values up to xMax and yMax, in at most
    // xSteps and ySteps round steps.
    Axes DrawGrid(
        QPainter& painter, const QRectF& area, double xMax, int xSteps, double yMax, int ySteps);
    static QString Number(double value);
};

} // namespace corrolab
