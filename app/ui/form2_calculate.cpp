// The Calculate command and the display of its result.
#include "app/ui/form2.h"

#include "app/conversion.h"
#include "app/read_note.h"
#include "app/unit_resolution.h"
#include "base/ui/vb_controls.h"
#include "catalogue/unit_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace corrolab {

void Form2::Command1_Click()
{
    if (calculationsDeferred_ > 0) {
        calculationPending_ = true;
        return;
    }
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
    // The units are looked up in the category the lists show; rows of the
    // all-categories listing stand for their own categories.
    const std::string category = Combo5->currentText().toStdString();
    const ConversionRequest request {category, from, to, ListedEntry(List2), ListedEntry(List4)};
    lastConversion_ = ResolveConversion(unitTable, corrosionMaterial_, request).conversion;
    lastValue_ = value;
    const ConversionOutcome outcome = lastConversion_.Apply(lastValue_, Check1->isChecked());
    ShowStatus(outcome);
    return outcome.text;
}

const CatalogueEntry* Form2::ListedEntry(const QListWidget* list) const
{
    const int row = list->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= listedEntries_.size())
        return nullptr;
    return &listedEntries_[static_cast<size_t>(row)];
}

void Form2::ShowStatus(const ConversionOutcome& outcome)
{
    // The status line: empty while the result is sound, else why there is none;
    // the currencies keep the date of their rates there. A value box whose text
    // goes on after its number ("70,5") says which number was converted.
    // (Number formats read their own digits, not a decimal number.)
    const std::string category = Combo5->currentText().toStdString();
    const std::string readAs = outcome.text.empty() || category == kNumberFormats
        ? std::string()
        : ReadAsNote(lastValue_);
    if (!readAs.empty())
        ShowLabel1(QString::fromStdString(readAs));
    else if (category == kCurrencies)
        ShowRatesCaption();
    else
        ShowLabel1(outcome.text.empty() ? QString::fromStdString(outcome.reason) : QString());
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
