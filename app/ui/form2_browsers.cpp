// The periodic table and the alloy browser: made when first asked for, and
// talking to the tools window through the main window.
#include "alloys/ui/alloy_browser.h"
#include "app/ui/form2.h"
#include "polarization/ui/polarization_window.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_window.h"

namespace corrolab {

PeriodicTableWindow& Form2::EnsurePeriodicTable()
{
    if (!periodicTable_) {
        periodicTable_ = new PeriodicTableWindow;
        connect(
            periodicTable_, &PeriodicTableWindow::elementUsed, this, [this](const QString& symbol) {
                // The element goes into the grid; the material reaches this
                // window only when the user calculates.
                EqWt& tools = EnsureTools(false);
                periodicTable_->showUseOutcome(tools.useElement(symbol.toStdString()));
            });
    }
    return *periodicTable_;
}

PolarizationWindow& Form2::EnsurePolarization()
{
    if (!polarization_)
        polarization_ = new PolarizationWindow(platform_, [this] { return CurrentMaterial(); });
    return *polarization_;
}

AlloyBrowser& Form2::EnsureAlloyBrowser()
{
    if (!alloyBrowser_) {
        alloyBrowser_ = new AlloyBrowser;
        connect(alloyBrowser_, &AlloyBrowser::alloyChosen, this,
            [this](const QString& baseMetal, const QString& alloy) {
                EnsureTools().loadAlloy(baseMetal.toStdString(), alloy.toStdString());
            });
    }
    return *alloyBrowser_;
}

void Form2::HideBrowsers()
{
    if (periodicTable_)
        periodicTable_->hide();
    if (alloyBrowser_)
        alloyBrowser_->hide();
}

} // namespace corrolab
