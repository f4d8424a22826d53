// The periodic table, the alloy browser and the polarization window: made when
// first asked for, and talking to the tools window through the main window.
#include "alloys/ui/alloy_browser.h"
#include "app/ui/form2.h"
#include "app/ui/window_modules.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_window.h"

#include <cstdio>
#include <stdexcept>

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

QWidget* Form2::EnsurePolarization(std::string& failure)
{
    if (polarization_)
        return polarization_;
    try {
        const auto make = ModuleEntry<PolarizationWindowEntry>(
            platform_.ProgramFolder(), kPolarizationModule, "corrolab_polarization_window");
        polarization_ = make(platform_, [this] { return CurrentMaterial(); });
    } catch (const std::runtime_error& error) {
        failure = error.what();
    }
    return polarization_;
}

bool Form2::SavePolarizationScreenshots(const std::string& folder)
{
    std::string failure;
    QWidget* polarization = EnsurePolarization(failure);
    try {
        if (polarization)
            return ModuleEntry<PolarizationScreenshotsEntry>(platform_.ProgramFolder(),
                kPolarizationModule, "corrolab_polarization_screenshots")(polarization, folder);
    } catch (const std::runtime_error& error) {
        failure = error.what();
    }
    std::fprintf(stderr, "corrolab: no polarization screenshots: %s\n", failure.c_str());
    return false;
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
