// The material that the tools window hands to the main window's frame.
#include "app/ui/form2.h"

#include "corrosion/material_values.h"
#include "tools/chosen_material.h"
#include "tools/ui/eqwt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corrolab {

void Form2::applyMaterial(const ChosenMaterial& chosen)
{
    Text5->setText(QString::fromStdString(chosen.frame.density));
    Text6->setText(QString::fromStdString(chosen.frame.equivalentWeight));
    Text10->setText(QString::fromStdString(chosen.frame.ratio));
    Label2[3]->setText(QString::fromStdString(chosen.name));
    ShowHeldInTools();
    // In Dictionary mode Calculate is Define, which would replace the listing:
    // there only the corrosion-rate factors follow the new material.
    if (DictionaryMode())
        LoadCorrosionRateUnits();
    else
        Command1_Click();
}

void Form2::FrameEdited()
{
    Text10->setText(QString::fromStdString(
        UserFrameRatio(Text6->text().toStdString(), Text5->text().toStdString())));
    Label2[3]->setText(kUserMaterialName);
    ShowHeldInTools();
    if (DictionaryMode())
        LoadCorrosionRateUnits();
    else
        Command1_Click();
}

void Form2::ShowHeldInTools()
{
    if (eqWt_)
        eqWt_->ShowHeldMaterial({{Text6->text().toStdString(), Text5->text().toStdString(),
                                     Text10->text().toStdString()},
            Label2[3]->text().toStdString()});
}

void Form2::UnitBoxEdited()
{
    if (DictionaryMode())
        return;
    lastConversion_ = Conversion::Refused({});
    Text3->clear();
}

} // namespace corrolab
