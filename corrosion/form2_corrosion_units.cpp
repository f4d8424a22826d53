// Reading the main window's material frame into the corrosion-rate units.
#include "app/form2.h"

#include "app/lenient_number.h"
#include "corrosion/corrosion_rate_units.h"

#include <QLineEdit>
#include <limits>

namespace corrolab {

namespace {

// A value too large for a double cannot give a faithful factor: it becomes
// infinity here, which the conversion refuses, so the result stays empty.
double FrameValue(const QLineEdit* box)
{
    return LenientValue(box->text().toStdString())
        .value_or(std::numeric_limits<double>::infinity());
}

} // namespace

void Form2::LoadCorrosionRateUnits()
{
    material.equivalentWeight = FrameValue(Text6);
    material.density = FrameValue(Text5);
    const double v = FrameValue(Text10);
    corrolab::LoadCorrosionRateUnits(unitTable, material.equivalentWeight, v);
}

} // namespace corrolab
