// Reading the main window's material frame into the corrosion-rate units.
#include "app/ui/form2.h"

#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"

#include <QLabel>
#include <QLineEdit>

namespace corrolab {

void Form2::LoadCorrosionRateUnits()
{
    const FrameMaterial frame = ReadFrame(
        {Text6->text().toStdString(), Text5->text().toStdString(), Text10->text().toStdString()});
    corrosionMaterial_ = {frame.equivalentWeight, frame.ratio};
    corrolab::LoadCorrosionRateUnits(unitTable, frame.equivalentWeight, frame.ratio);
}

CalculatorMaterial Form2::CurrentMaterial() const
{
    const FrameMaterial frame = ReadFrame(
        {Text6->text().toStdString(), Text5->text().toStdString(), Text10->text().toStdString()});
    return FrameCalculatorMaterial(Label2[3]->text().simplified().toStdString(), frame);
}

} // namespace corrolab
