// Screenshots of the periodic table and the alloy browser.
#include "alloys/ui/alloy_browser.h"
#include "app/ui/form2.h"
#include "app/ui/screenshots.h"
#include "base/ui/window_picture.h"
#include "base/ui/window_place.h"
#include "tools/ui/periodic_table_view.h"
#include "tools/ui/periodic_table_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

namespace corrolab {

bool SaveBrowserScreenshots(Form2& window, const std::string& folder)
{
    // Each window in its start place and size; the user's remembered places
    // are neither read nor written.
    SetWindowPlacesRemembered(false);
    const QDir dir(QString::fromStdString(folder));
    PeriodicTableWindow& table = window.EnsurePeriodicTable();
    bool ok = SaveWindowPicture(table, dir.filePath("corrolab-periodic-table.png"));
    table.cellField->setCurrentIndex(table.cellField->findData(8)); // density
    table.colouring->setCurrentIndex(1);
    table.view->setCurrent(26);
    ok = SaveWindowPicture(table, dir.filePath("corrolab-periodic-density.png")) && ok;
    table.hide();
    AlloyBrowser& alloys = window.EnsureAlloyBrowser();
    ok = SaveWindowPicture(alloys, dir.filePath("corrolab-alloys.png")) && ok;
    alloys.shares->setText(QString::fromUtf8("Mo \xE2\x89\xA5 2"));
    ok = SaveWindowPicture(alloys, dir.filePath("corrolab-alloys-mo.png")) && ok;
    alloys.hide();
    ok = window.SavePolarizationScreenshots(folder) && ok;
    return ok;
}

} // namespace corrolab
