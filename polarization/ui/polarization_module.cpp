#include "polarization/ui/polarization_module.h"

#include "base/ui/window_picture.h"
#include "base/ui/window_place.h"
#include "polarization/analysis.h"
#include "polarization/ui/polarization_window.h"

#include <QComboBox>
#include <QDir>

using namespace corrolab;

QWidget* corrolab_polarization_window(
    Platform& platform, std::function<CalculatorMaterial()> frameMaterial)
{
    return new PolarizationWindow(platform, std::move(frameMaterial));
}

bool corrolab_polarization_screenshots(QWidget* window, const std::string& folder)
{
    // The module keeps its own copy of the window places' switch: screenshots
    // show the start place and size, and remember none.
    SetWindowPlacesRemembered(false);
    auto& polarization = static_cast<PolarizationWindow&>(*window);
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
    const QDir dir(QString::fromStdString(folder));
    polarization.resize(1040, 560);
    polarization.OpenCurve(scan, "activation.csv");
    bool ok = SaveWindowPicture(polarization, dir.filePath("corrolab-polarization.png"));
    polarization.method->setCurrentIndex(1); // tafel
    ok = SaveWindowPicture(polarization, dir.filePath("corrolab-polarization-tafel.png")) && ok;
    polarization.hide();
    return ok;
}
