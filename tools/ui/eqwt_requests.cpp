// Requests from the periodic table and the alloy browser: an element for the
// grid, an alloy for the choosers.
#include "tools/ui/eqwt.h"

#include "base/ui/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace corrolab {

std::string EqWt::useElement(const std::string& symbol)
{
    const int item = Combo2[0]->findText(Q(symbol));
    if (item < 0)
        return "The composition grid offers elements 1 to 100 only; " + symbol
            + " is not among them.";
    int row = 0;
    bool newRow = false;
    if (Option2[1]->isChecked()) {
        row = 0;
        while (row < components && Combo2[row]->currentIndex() >= 0)
            ++row;
        newRow = row == components;
        if (newRow && components == kGridRows)
            return "The composition grid is full (" + std::to_string(kGridRows) + " components); "
                + symbol + " was not added.";
    }
    // The grid changes without a calculation: the main window keeps its
    // material until the user's next calculation hands the new one back.
    catalogueAlloy_.clear();
    const bool wasFilling = fillingGrid_;
    fillingGrid_ = true;
    if (newRow) {
        SetComboIndex(Combo1, components); // one more row
        Text2[row]->clear();
    }
    SetComboIndex(Combo2[row], item);
    fillingGrid_ = wasFilling;
    ClearResults();
    show();
    raise();
    return {};
}

bool EqWt::loadAlloy(const std::string& baseMetal, const std::string& alloy)
{
    const int base = Combo3->findText(Q(baseMetal));
    if (base < 0)
        return false;
    showAlloys();
    SetComboIndex(Combo3, base);
    const int item = Combo4->findText(Q(alloy));
    if (item < 0)
        return false;
    SetComboIndex(Combo4, item);
    return true;
}

} // namespace corrolab
