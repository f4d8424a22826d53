// The Calculate command and the display of its result.
#include "app/ui/form2.h"

#include "app/conversion.h"
#include "app/ui/vb_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corrolab {

void Form2::Command1_Click()
{
    if (DictionaryMode()) {
        Define();
        return;
    }
    Text1->setCursorPosition(static_cast<int>(Text1->text().size()));
    SetBusyPointer(true);
    LoadCorrosionRateUnits();
    Text3->setPlainText(QString::fromStdString(GetResult(
        Text1->text().toStdString(), Text2->text().toStdString(), Text4->text().toStdString())));
    SetBusyPointer(false);
}

std::string Form2::GetResult(
    const std::string& value, const std::string& from, const std::string& to)
{
    lastConversion_ = Conversion::FromUnitTable(unitTable, from, to);
    lastValue_ = value;
    return lastConversion_.Format(lastValue_, Check1->isChecked());
}

void Form2::Check1_Click()
{
    // The last result again, in the other form; nothing when there was none.
    const std::string text = lastConversion_.Format(lastValue_, Check1->isChecked());
    if (!text.empty())
        Text3->setPlainText(QString::fromStdString(text));
}

void Form2::Text1_KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Command1_Click();
}

} // namespace corrolab
