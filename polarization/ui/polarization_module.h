#pragma once

#include "calculators/rate_units.h"

#include <functional>
#include <string>

class QWidget;

namespace corrolab {
class Platform;
}

// The module corrolab-polarization: the polarization curve window, which the
// windows program opens on first use with the Qt Charts and Qt SVG libraries it
// draws and saves with.
extern "C" {

// A new polarization window (hidden) over the main window's material.
QWidget* corrolab_polarization_window(
    corrolab::Platform& platform, std::function<corrolab::CalculatorMaterial()> frameMaterial);

// The window's screenshots (an activation curve analysed as a Butler-Volmer fit
// and as Tafel lines) into `folder`; false when one could not be written.
bool corrolab_polarization_screenshots(QWidget* window, const std::string& folder);

} // extern "C"
