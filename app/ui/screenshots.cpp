#include "app/ui/screenshots.h"

#include "app/ui/form2.h"
#include "base/ui/window_picture.h"
#include "calculators/ui/corrosion_calculators.h"
#include "calculators/ui/mass_loss_page.h"
#include "tools/ui/eqwt.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdio>

namespace corrolab {

namespace {

// Each page of the corrosion calculators; the coupon page with a pit depth so
// that both severity bands show a rate.
bool SaveCalculatorPages(Form2& window, const QDir& dir)
{
    window.SwitchWindow(Form2::Target::CorrosionCalculators);
    auto* calculators = window.findChild<CorrosionCalculators*>();
    if (!calculators)
        return false;
    calculators->massLoss->Field("pit")->setText("0.25");
    const char* names[] = {"massloss", "coupons", "lpr", "atmosphere", "life"};
    bool ok = true;
    for (int page = 0; page < calculators->pages->count(); ++page) {
        calculators->pages->setCurrentIndex(page);
        ok = SaveWindowPicture(*calculators,
                 dir.filePath(QString("corrolab-calculators-%1.png").arg(names[page])))
            && ok;
    }
    calculators->hide();
    return ok;
}

} // namespace

bool SaveScreenshots(Form2& window, const std::string& folder)
{
    QDir dir(QString::fromStdString(folder));
    if (!dir.exists() && !dir.mkpath(".")) {
        std::fprintf(stderr, "corrolab: could not create %s\n", folder.c_str());
        return false;
    }
    bool ok = SaveWindowPicture(window, dir.filePath("corrolab-main.png"));
    window.Command6_Click();
    ok = SaveWindowPicture(*window.tools(), dir.filePath("corrolab-material.png")) && ok;
    // An alloy whose percentages do not total 100, and one with phosphorus.
    EqWt& tools = *window.tools();
    tools.Option2[1]->setChecked(true);
    tools.Option2_Click(1);
    tools.LoadComposition("77Al 21Zn 1.1Cu 0.5Fe Pb Sn");
    ok = SaveWindowPicture(tools, dir.filePath("corrolab-alloy.png")) && ok;
    tools.LoadComposition("60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti");
    ok = SaveWindowPicture(window, dir.filePath("corrolab-main-alloy.png")) && ok;
    tools.LoadComposition("94.8Cu 5Sn 0.2P");
    ok = SaveWindowPicture(tools, dir.filePath("corrolab-check-inputs.png")) && ok;
    tools.hide();
    window.Option1[1]->setChecked(true);
    window.Option1_Click(1);
    window.Combo1->setCurrentIndex(window.Combo1->findText("Length"));
    window.Combo1_Click();
    ok = SaveWindowPicture(window, dir.filePath("corrolab-dictionary.png")) && ok;
    ok = SaveBrowserScreenshots(window, folder) && ok;
    // A conversion the status line explains.
    window.Option1[0]->setChecked(true);
    window.Option1_Click(0);
    window.SetComboIndex(window.Combo5, window.Combo5->findText("Angular velocity"));
    window.Text2->setText("m/s");
    window.Text4->setText("rad/s");
    window.Command1_Click();
    ok = SaveWindowPicture(window, dir.filePath("corrolab-status.png")) && ok;
    return SaveCalculatorPages(window, dir) && ok;
}

} // namespace corrolab
