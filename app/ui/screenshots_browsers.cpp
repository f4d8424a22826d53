// Screenshots of the periodic table and the alloy browser.
#include "alloys/ui/alloy_browser.h"
#include "app/ui/form2.h"
#include "app/ui/screenshots.h"
#include "base/ui/window_place.h"
#include "polarization/analysis.h"
#include "polarization/ui/polarization_window.h"
#include "tools/ui/periodic_table_view.h"
#include "tools/ui/periodic_table_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

namespace corrolab {

namespace {

bool SaveWindow(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "corrolab: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

bool SaveBrowserScreenshots(Form2& window, const std::string& folder)
{
    // Each window in its start place and size; the user's remembered places
    // are neither read nor written.
    SetWindowPlacesRemembered(false);
    const QDir dir(QString::fromStdString(folder));
    PeriodicTableWindow& table = window.EnsurePeriodicTable();
    bool ok = SaveWindow(table, dir.filePath("corrolab-periodic-table.png"));
    table.cellField->setCurrentIndex(table.cellField->findData(8)); // density
    table.colouring->setCurrentIndex(1);
    table.view->setCurrent(26);
    ok = SaveWindow(table, dir.filePath("corrolab-periodic-density.png")) && ok;
    table.hide();
    AlloyBrowser& alloys = window.EnsureAlloyBrowser();
    ok = SaveWindow(alloys, dir.filePath("corrolab-alloys.png")) && ok;
    alloys.shares->setText(QString::fromUtf8("Mo \xE2\x89\xA5 2"));
    ok = SaveWindow(alloys, dir.filePath("corrolab-alloys-mo.png")) && ok;
    alloys.hide();
    // A cyclic scan of the activation curve (icorr 10 uA/cm^2, ba 60, bc 120
    // mV/decade), its reverse branch a little lower.
    PolarizationCurve scan;
    scan.format = "text table";
    for (int k = 0; k <= 1000; ++k) {
        const double e = k <= 500 ? -0.7 + k * 0.001 : -0.2 - (k - 500) * 0.001;
        const double shift = k <= 500 ? 0 : -0.01;
        scan.potential.push_back(e);
        scan.current.push_back(ButlerVolmerDensity(e, -0.45 + shift, 10e-6, 0.06, 0.12));
    }
    PolarizationWindow& polarization = window.EnsurePolarization();
    polarization.resize(1040, 560);
    polarization.OpenCurve(scan, "activation.csv");
    ok = SaveWindow(polarization, dir.filePath("corrolab-polarization.png")) && ok;
    polarization.method->setCurrentIndex(1); // tafel
    ok = SaveWindow(polarization, dir.filePath("corrolab-polarization-tafel.png")) && ok;
    polarization.hide();
    return ok;
}

} // namespace corrolab
