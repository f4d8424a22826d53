// The material that the tools window hands to the main window's frame.
#include "app/ui/form2.h"

#include "tools/chosen_material.h"

#include <QLabel>
#include <QLineEdit>

namespace corrolab {

void Form2::applyMaterial(const ChosenMaterial& chosen)
{
    Text5->setText(QString::fromStdString(chosen.frame.density));
    Text6->setText(QString::fromStdString(chosen.frame.equivalentWeight));
    Text10->setText(QString::fromStdString(chosen.frame.ratio));
    Label2[3]->setText(QString::fromStdString(chosen.name));
    // In Dictionary mode Calculate is Define, which would replace the listing:
    // there only the corrosion-rate factors follow the new material.
    if (DictionaryMode())
        LoadCorrosionRateUnits();
    else
        Command1_Click();
}

} // namespace corrolab
