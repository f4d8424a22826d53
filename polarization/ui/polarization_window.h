#pragma once

#include "calculators/rate_units.h"
#include "polarization/polarization_report.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QPushButton;
class QRubberBand;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

namespace corrolab {

class Platform;

// The polarization curve window: a semilogarithmic plot of |i| against E with
// the forward and reverse branches, the fitted curve, the Tafel lines and
// Ecorr/icorr; the figures beside it. Dragging across the plot sets the fit
// window (or, for Tafel, both regions) and the figures follow.
class PolarizationWindow : public QWidget
{
    Q_OBJECT

public:
    // `frameMaterial`: the main window's material, used when the file has none.
    PolarizationWindow(Platform& platform, std::function<CalculatorMaterial()> frameMaterial,
        QWidget* parent = nullptr);

    // Reads and analyses a file; false (and a message) when it holds no curve.
    bool OpenFile(const std::filesystem::path& file);
    // Shows and analyses a curve already read, under a name.
    void OpenCurve(PolarizationCurve curve, const std::string& name);
    // The fit window relative to Ecorr, as a drag across the plot sets it.
    void SetFitWindow(PotentialWindow window);
    // A drag across the plot between two screen points of the chart view.
    void DragAcross(QPoint from, QPoint to);

    const std::optional<PolarizationReport>& report() const { return report_; }
    const std::string& error() const { return error_; }
    bool SavePlot(const std::filesystem::path& file); // .png or .svg by the extension
    bool SaveResults(const std::filesystem::path& file); // CSV

    QComboBox* method = nullptr;
    QComboBox* unit = nullptr;
    // The material of the rate: the file's EW and density (else the main
    // window's), the main window's, or a metal, alloy or composition typed or
    // picked in `materialName`, with the figures of `equivalentWeightMethod`.
    QComboBox* materialSource = nullptr;
    QComboBox* materialName = nullptr;
    QComboBox* equivalentWeightMethod = nullptr;
    QChartView* chartView = nullptr;
    QTableWidget* results = nullptr;
    QLabel* status = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* savePlotButton = nullptr;
    QPushButton* saveResultsButton = nullptr;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Analyse();
    // The chosen material, or the reason there is none (the figures then show no rate).
    RateMaterial ChosenMaterial(std::string& refusal) const;
    void ShowCurve();
    void ShowResult();
    void AskOpen();
    void AskSavePlot();
    void AskSaveResults();

    Platform& platform_;
    std::function<CalculatorMaterial()> frameMaterial_;
    std::optional<PolarizationCurve> curve_;
    SplitCurve split_;
    std::optional<PotentialWindow> window_;
    std::optional<PolarizationReport> report_;
    std::string error_;
    std::string fileName_;
    QChart* chart_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QLogValueAxis* yAxis_ = nullptr;
    QLineSeries* forward_ = nullptr;
    QLineSeries* reverse_ = nullptr;
    QLineSeries* fitted_ = nullptr;
    QLineSeries* anodicLine_ = nullptr;
    QLineSeries* cathodicLine_ = nullptr;
    QScatterSeries* marker_ = nullptr;
    QRubberBand* band_ = nullptr;
    std::optional<QPoint> dragStart_;
};

} // namespace corrolab
