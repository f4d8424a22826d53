// File > Print…, Export PDF… and the calculators' print buttons: what reaches
// the page, and where the PDF goes.
#include "temp_folder.h"
#include "window_fixture.h"

#include "app/program_info.h"
#include "calculators/ui/atmosphere_page.h"
#include "calculators/ui/corrosion_calculators.h"
#include "calculators/ui/mass_loss_page.h"
#include "tools/ui/eqwt.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <fstream>

namespace corrolab {
namespace {

class Reports : public WindowTest
{
protected:
    std::string Printed() const { return platform.printed.empty() ? "" : platform.printed.back(); }

    static std::string FileStart(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::string start(5, '\0');
        in.read(start.data(), 5);
        return start;
    }

    const std::string footer_ = ReportFooter(platform.today);
};

TEST_F(Reports, ThePrintedConversionHoldsItsFiguresTheMaterialAndTheDay)
{
    Convert("1", "micro_amp/cm^2", "mpy");
    form->menu.mnuPrint->trigger();
    ASSERT_EQ(platform.printed.size(), 1u);
    for (const std::string& part : std::vector<std::string> {"Corrolab conversion",
             "Corrosion rate", "micro_amp/cm^2", "mpy", "<td align=\"right\">.4573</td>",
             "<h3>Material</h3>", "Iron", "27.92", "3.5526", footer_})
        EXPECT_NE(Printed().find(part), std::string::npos) << part;
    // Nothing of a tools window that was never opened.
    EXPECT_EQ(Printed().find("Material Properties"), std::string::npos);

    // With the tools window's brass: both methods and the grid.
    form->Command6->click();
    ASSERT_NE(form->tools(), nullptr);
    form->tools()->Option2[1]->click();
    form->tools()->LoadComposition("70Cu 30Zn");
    form->menu.mnuPrint->trigger();
    for (const std::string& part : std::vector<std::string> {"Material Properties: Composition",
             "<th>Symbol</th>", "<td>Cu</td><td>70</td>", "<td>Zn</td><td>30</td>",
             "Material Properties: Classic (mass-fraction means)", "Material Properties: ASTM G102",
             "Material Properties: Handed back"})
        EXPECT_NE(Printed().find(part), std::string::npos) << part;

    // A cancelled print dialog prints nothing and says nothing.
    platform.printAccepted = false;
    form->menu.mnuPrint->trigger();
    EXPECT_EQ(platform.printed.size(), 3u);
    EXPECT_EQ(platform.Count("Tell"), 0u);
}

TEST_F(Reports, ThePdfGoesOnlyWhereTheUserSaysAndAFailureIsSaid)
{
    TempFolder folder;
    form->menu.mnuExportPdf->trigger(); // cancelled
    EXPECT_EQ(platform.saveRequests, std::vector<std::string> {"corrolab.pdf"});
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    platform.saveAnswer = folder.path() / "conversion";
    form->menu.mnuExportPdf->trigger();
    const auto file = folder.path() / "conversion.pdf";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(FileStart(file), "%PDF-");
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
    EXPECT_EQ(platform.Count("Tell"), 0u);

    platform.saveAnswer = folder.path() / "missing-folder" / "conversion.pdf";
    form->menu.mnuExportPdf->trigger();
    ASSERT_EQ(platform.Count("Tell"), 1u);
    EXPECT_NE(platform.dialogs.back().text.find("could not be written"), std::string::npos);
}

TEST_F(Reports, TheCalculatorsPrintThePageShownWithItsMaterial)
{
    form->menu.mnuCC->trigger();
    auto* calculators = form->findChild<CorrosionCalculators*>();
    ASSERT_NE(calculators, nullptr);
    MassLossPage* page = calculators->massLoss;
    page->Field("density")->setText("7.85");
    page->Field("mass")->setText("0.650");
    page->Field("area")->setText("28.5");
    page->Field("time")->setText("168");
    calculators->print->click();
    for (const std::string& part : std::vector<std::string> {"<h3>Inputs</h3>",
             "<td>Material</td><td align=\"right\">Iron</td>", "0.650", "28.5", "7.85",
             "<h3>Results</h3>", "1.515", footer_})
        EXPECT_NE(Printed().find(part), std::string::npos) << part;

    // The page shown is the one printed.
    calculators->pages->setCurrentWidget(calculators->atmosphere);
    calculators->print->click();
    EXPECT_EQ(Printed().find("<td align=\"right\">0.650</td>"), std::string::npos);

    TempFolder folder;
    platform.saveAnswer = folder.path() / "coupon.pdf";
    calculators->exportPdf->click();
    EXPECT_EQ(FileStart(folder.path() / "coupon.pdf"), "%PDF-");
}

TEST_F(Reports, ANewCalculatorsWindowOpensBesideTheFirst)
{
    form->menu.mnuCC->trigger();
    form->menu.mnuNewCC->trigger();
    const auto windows = form->findChildren<CorrosionCalculators*>();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(windows[1]->isVisible());
    EXPECT_NE(windows[0]->pos(), windows[1]->pos());
    // Each keeps its own figures.
    windows[0]->massLoss->Field("mass")->setText("1");
    EXPECT_NE(windows[1]->massLoss->Field("mass")->text(), "1");
    // Close Window hides both.
    form->menu.mnuCW->trigger();
    EXPECT_FALSE(windows[0]->isVisible());
    EXPECT_FALSE(windows[1]->isVisible());
}

} // namespace
} // namespace corrolab
