#pragma once

#include "app/platform.h"
#include "calculators/ui/calculator_page.h"

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace corrolab {

class AtmospherePage;
class CouponTablePage;
class LifePage;
class MassLossPage;
class PolarizationPage;

// The "Corrosion Calculators" window: one page per calculator, each starting
// from the material of the main window.
class CorrosionCalculators : public QWidget
{
    Q_OBJECT

public:
    CorrosionCalculators(
        Platform& platform, CalculatorPage::MaterialSource material, QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    MassLossPage* massLoss = nullptr;
    CouponTablePage* couponTable = nullptr;
    PolarizationPage* polarization = nullptr;
    AtmospherePage* atmosphere = nullptr;
    LifePage* life = nullptr;

    QPushButton* print = nullptr; // the page shown, through the print dialog
    QPushButton* exportPdf = nullptr;

    // Every page reads the main window's material again.
    void LoadMaterial();
    // The page shown, as a report.
    Report CurrentReport() const;

private:
    void Print();
    void ExportPdf();

    Platform& platform_;
};

} // namespace corrolab
