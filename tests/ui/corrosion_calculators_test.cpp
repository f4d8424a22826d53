#include "temp_folder.h"
#include "window_fixture.h"

#include "calculators/ui/atmosphere_page.h"
#include "calculators/ui/corrosion_calculators.h"
#include "calculators/ui/coupon_table_page.h"
#include "calculators/ui/life_page.h"
#include "calculators/ui/loss_plot.h"
#include "calculators/ui/mass_loss_page.h"
#include "calculators/ui/polarization_page.h"
#include "calculators/ui/result_table.h"
#include "calculators/ui/severity_band.h"
#include "calculators/ui/thickness_plot.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>

namespace corrolab {
namespace {

class Calculators : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form->menu.mnuCC->trigger();
        window = form->findChild<CorrosionCalculators*>();
        ASSERT_NE(window, nullptr);
    }

    static void Type(CalculatorPage* page, const char* field, const char* text)
    {
        QLineEdit* edit = page->Field(field);
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(text);
    }

    static void Choose(QComboBox* combo, const char* item)
    {
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item;
        combo->setCurrentIndex(index);
    }

    static std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }

    CorrosionCalculators* window = nullptr;
};

TEST_F(Calculators, OpenFromTheFileMenuWithTheMainWindowsMaterial)
{
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Corrosion Calculators");
    for (CalculatorPage* page : std::initializer_list<CalculatorPage*> {
             window->massLoss, window->couponTable, window->polarization, window->life}) {
        EXPECT_EQ(page->materialName->text(), "Iron");
        EXPECT_EQ(page->equivalentWeight->text(), "27.92");
        EXPECT_EQ(page->density->text(), "7.860");
    }
    // A new material in the frame reaches the pages when the window opens again,
    // and the one page's button reads it too.
    form->Text6->setText(" 31.773");
    form->Text5->setText(" 8.960");
    form->menu.mnuCC->trigger();
    EXPECT_EQ(form->findChildren<CorrosionCalculators*>().size(), 1);
    EXPECT_EQ(window->polarization->equivalentWeight->text(), "31.77");
    window->life->density->setText("1");
    window->life->fromMainWindow->click();
    EXPECT_EQ(window->life->density->text(), "8.960");
    form->menu.mnuCW->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Calculators, MassLossWorkedExampleInTheChosenUnit)
{
    MassLossPage* page = window->massLoss;
    Type(page, "density", "7.85");
    Type(page, "mass", "0.650");
    Type(page, "area", "28.5");
    Type(page, "time", "168");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "1.515");
    EXPECT_EQ(page->results->Value("Severity (general)"), "severe");
    ASSERT_TRUE(page->generalBand->Rate().has_value());
    EXPECT_NEAR(*page->generalBand->Rate(), 1.515, 5e-4);
    Choose(page->unit, "mpy");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "59.64");
    Choose(page->timeUnit, "days");
    Type(page, "time", "7");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "59.64");
    // Weighings give the same loss.
    Choose(page->massSource, "Weighings");
    Type(page, "initial", "25.431");
    Type(page, "final", "24.781");
    EXPECT_EQ(page->results->Value("Mass loss"), "0.6500");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "59.64");
}

TEST_F(Calculators, CouponDimensionsAndPittingFactor)
{
    MassLossPage* page = window->massLoss;
    Type(page, "density", "7.85");
    Choose(page->areaSource, "Rectangular coupon");
    Type(page, "length", "50");
    Type(page, "width", "25");
    Type(page, "thickness", "2");
    EXPECT_EQ(page->results->Value("Exposed area"), "28.00");
    Choose(page->areaSource, "Area");
    Type(page, "pit", "0.29054");
    // Mean penetration 10 * 0.650 / (28.5 * 7.85) = 0.029054 mm.
    EXPECT_EQ(page->results->Value("Pitting factor"), "10.00");
    EXPECT_EQ(page->results->Value("Severity (pitting)"), "severe");
    ASSERT_TRUE(page->pittingBand->Rate().has_value());
}

struct BadInput
{
    const char* field;
    const char* text;
    const char* message;
};

TEST_F(Calculators, BadMassLossInputShowsItsReasonAndNoNumber)
{
    MassLossPage* page = window->massLoss;
    const BadInput cases[] = {
        {"area", "0", "The area must be above 0."},
        {"area", "-4", "The area must be above 0."},
        {"area", "", "Enter the area."},
        {"time", "0", "The exposure time must be above 0."},
        {"mass", "abc", "'abc' is not a number."},
        {"density", "0", "The density must be above 0."},
        {"ew", "", "Enter the equivalent weight."},
        {"pit", "-1", "The pit depth must not be negative."},
    };
    for (const BadInput& c : cases) {
        const QString before = page->Field(c.field)->text();
        Type(page, c.field, c.text);
        EXPECT_EQ(page->ErrorText(c.field), c.message) << c.field << "=" << c.text;
        EXPECT_TRUE(page->results->Rows().empty()) << c.field << "=" << c.text;
        EXPECT_FALSE(page->generalBand->Rate().has_value()) << c.field << "=" << c.text;
        Type(page, c.field, before.toStdString().c_str());
        EXPECT_EQ(page->ErrorText(c.field), "") << c.field;
        EXPECT_FALSE(page->results->Rows().empty()) << c.field;
    }
    Choose(page->massSource, "Weighings");
    Type(page, "initial", "10");
    Type(page, "final", "10.5");
    EXPECT_NE(page->ErrorText("final").find("above the initial mass"), std::string::npos);
    EXPECT_TRUE(page->results->Rows().empty());
    Choose(page->massSource, "Mass loss");
    Choose(page->areaSource, "Disc coupon");
    Type(page, "diameter", "38");
    Type(page, "thickness", "3");
    Type(page, "hole", "40");
    EXPECT_EQ(page->ErrorText("hole"), "The hole must be smaller than the diameter.");
    EXPECT_TRUE(page->results->Rows().empty());
}

TEST_F(Calculators, CouponTablePasteWithAMalformedRow)
{
    CouponTablePage* page = window->couponTable;
    page->density->setText("7.85");
    QApplication::clipboard()->setText("Coupon\tLoss\tArea\tHours\tBlank\n"
                                       "A1\t0.650\t28.5\t168\n"
                                       "A2\t0.6o0\t28.5\t168\n"
                                       "A3\t0.600\t28.5\t168\n"
                                       "B1\t2.500\t28.5\t168\tblank\n");
    page->pasteButton->click();
    EXPECT_EQ(page->coupons->rowCount(), 3);
    EXPECT_NE(page->rejected->text().toStdString().find("Line 3 left out: mass loss '0.6o0'"),
        std::string::npos)
        << page->rejected->text().toStdString();
    EXPECT_EQ(page->results->Value("Coupons (inhibited)"), "2");
    // (2.5 - 0.625) / 2.5 = 75 %
    EXPECT_EQ(page->results->Value("Inhibitor efficiency"), "75.00");
    EXPECT_EQ(page->coupons->item(0, 5)->text(), "1.515 mm/year");
    page->paste->setPlainText("");
    EXPECT_EQ(page->ErrorText("table"), "Paste at least one coupon row.");
    EXPECT_TRUE(page->results->Rows().empty());
}

TEST_F(Calculators, PolarizationResistanceFromTafelSlopes)
{
    PolarizationPage* page = window->polarization;
    Choose(page->bSource, "From Tafel slopes");
    Type(page, "ba", "120");
    Type(page, "bc", "120");
    Type(page, "rp", "1000");
    EXPECT_EQ(page->results->Value("B"), "26.05");
    EXPECT_EQ(page->results->Value("Corrosion current density"), "26.05");
    Choose(page->rpUnit, "ohm");
    Type(page, "electrode", "2");
    EXPECT_EQ(page->results->Value("Corrosion current density"), "13.03");
    // 1 micro_amp/cm^2 on iron is 0.01162 mm/year.
    Choose(page->bSource, "Typed");
    Type(page, "b", "26");
    Type(page, "rp", "13000");
    EXPECT_EQ(page->results->Value("Corrosion current density"), "1.000");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "0.01162");
    EXPECT_EQ(page->results->Value("Severity (general)"), "low");
    // The boxes as loaded stand for the main window's iron and its ratio
    // (3.5526: .4574 mpy, as the main window converts); a typed figure makes a
    // material of the figures shown (27.92 / 7.86 = 3.55216: .4573 mpy).
    Choose(page->unit, "mpy");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "0.4574");
    Type(page, "density", "7.86");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "0.4573");
    page->fromMainWindow->click();
    EXPECT_EQ(page->results->Value("Corrosion rate"), "0.4574");
    Choose(page->unit, "mm/year");

    Choose(page->bSource, "From Tafel slopes");
    const BadInput cases[] = {
        {"ba", "0", "The anodic Tafel slope must be above 0."},
        {"bc", "0", "The cathodic Tafel slope must be above 0."},
        {"rp", "0", "The polarization resistance must be above 0."},
        {"electrode", "0", "The electrode area must be above 0."},
    };
    for (const BadInput& c : cases) {
        const QString before = page->Field(c.field)->text();
        Type(page, c.field, c.text);
        EXPECT_EQ(page->ErrorText(c.field), c.message) << c.field;
        EXPECT_TRUE(page->results->Rows().empty()) << c.field;
        Type(page, c.field, before.toStdString().c_str());
    }
}

TEST_F(Calculators, RemainingLifeFromTodayThroughThePlatform)
{
    LifePage* page = window->life;
    EXPECT_EQ(page->Field("measured")->text(), "2026-12-08");
    Type(page, "thickness", "12.7");
    Type(page, "minimum", "9.5");
    Type(page, "rate", "0.25");
    Type(page, "design", "20");
    EXPECT_EQ(page->results->Value("Remaining life"), "12.80");
    EXPECT_EQ(page->results->Value("Minimum reached"), "2039-09-26");
    EXPECT_EQ(page->results->Value("Design allowance"), "5.000");
    EXPECT_EQ(page->results->Value("Severity (general)"), "high");
    EXPECT_TRUE(page->plot->HasCurve());
    // A rate in mpy goes through the page's material.
    Choose(page->rateUnit, "mpy");
    Type(page, "rate", "10");
    EXPECT_EQ(page->results->Value("Corrosion rate"), "0.2540");

    const BadInput cases[] = {
        {"minimum", "13", "The minimum thickness is above the wall thickness."},
        {"rate", "0", "At a rate of 0 the minimum thickness is never reached."},
        {"thickness", "0", "The wall thickness must be above 0."},
        {"measured", "2026-02-30", "Enter the date as YYYY-MM-DD."},
        {"design", "0", "The design life must be above 0."},
    };
    for (const BadInput& c : cases) {
        const QString before = page->Field(c.field)->text();
        Type(page, c.field, c.text);
        EXPECT_EQ(page->ErrorText(c.field), c.message) << c.field;
        EXPECT_TRUE(page->results->Rows().empty()) << c.field;
        EXPECT_FALSE(page->plot->HasCurve()) << c.field;
        Type(page, c.field, before.toStdString().c_str());
        EXPECT_TRUE(page->plot->HasCurve()) << c.field;
    }
}

TEST_F(Calculators, ThePlotIsSavedOnlyWhereTheUserSays)
{
    TempFolder folder;
    LifePage* page = window->life;
    page->savePlot->click(); // cancelled
    EXPECT_EQ(platform.saveRequests, std::vector<std::string> {"remaining-life.png"});
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    platform.saveAnswer = folder.path() / "wall";
    page->savePlot->click();
    const auto file = folder.path() / "wall.png";
    ASSERT_TRUE(std::filesystem::exists(file));
    std::ifstream in(file, std::ios::binary);
    std::string magic(8, '\0');
    in.read(magic.data(), 8);
    EXPECT_EQ(magic, "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(platform.Count("Tell"), 0u);

    platform.saveAnswer = folder.path() / "missing-folder" / "wall.png";
    page->savePlot->click();
    EXPECT_EQ(platform.Count("Tell"), 1u);

    Type(page, "minimum", "99");
    page->savePlot->click();
    EXPECT_EQ(platform.Count("Tell"), 2u);
    EXPECT_NE(platform.dialogs.back().text.find("no curve"), std::string::npos);
}

TEST_F(Calculators, CopyResultsAndEverythingAsTabSeparatedText)
{
    MassLossPage* page = window->massLoss;
    Type(page, "density", "7.85");
    page->results->selectRow(0);
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(page->results, &copy);
    EXPECT_EQ(Clipboard(), "Corrosion rate\t1.515\tmm/year\n");

    page->copyAll->click();
    const std::string all = Clipboard();
    for (const char* line : {"Coupon mass loss\t\t\n", "Density\t7.85\tg/cm^3\n",
             "Mass loss\t0.650\tg\n", "Exposed area\t28.5\tcm^2\n", "Exposure time\t168\thours\n",
             "Corrosion rate\t1.515\tmm/year\n", "Severity (general)\tsevere\tcarbon steel\n"})
        EXPECT_NE(all.find(line), std::string::npos) << line << " in\n" << all;
    // Fields the page does not show are not copied.
    EXPECT_EQ(all.find("Initial mass"), std::string::npos) << all;
}

TEST_F(Calculators, ARateGoesOnToTheRemainingLifePage)
{
    Type(window->massLoss, "density", "7.85");
    window->pages->setCurrentWidget(window->massLoss);
    const auto buttons = window->massLoss->findChildren<QPushButton*>();
    const auto button = std::ranges::find_if(
        buttons, [](QPushButton* b) { return b->text() == "Remaining life with this rate"; });
    ASSERT_NE(button, buttons.end());
    (*button)->click();
    EXPECT_EQ(window->pages->currentWidget(), window->life);
    EXPECT_EQ(window->life->Field("rate")->text(), "1.515");
    EXPECT_EQ(window->life->rateUnit->currentText(), "mm/year");
}

TEST_F(Calculators, AtmosphereEstimatesTheCategoryAndItsLoss)
{
    AtmospherePage* page = window->atmosphere;
    window->pages->setCurrentWidget(page);
    // The page opens on the check value: carbon steel at 15 C, 75 %, 10 and 50.
    EXPECT_EQ(page->results->Value("First-year rate"), "45.0");
    EXPECT_EQ(page->results->Value("Category"), "C3 (25-50 um/year)");
    EXPECT_FALSE(page->materialName->isVisibleTo(page));
    EXPECT_TRUE(page->plot->HasCurve());
    ASSERT_GT(page->losses->rowCount(), 2);
    EXPECT_EQ(page->losses->item(page->losses->rowCount() - 1, 0)->text(), "20");
    EXPECT_EQ(page->losses->item(page->losses->rowCount() - 1, 1)->text(), "216");

    struct Case
    {
        const char* metal;
        const char* source;
        std::vector<std::pair<const char*, const char*>> typed;
        std::string category; // or the message shown
    };
    const Case cases[] = {
        {"zinc", "Climate", {}, "C3 (0.7-2.1 um/year)"},
        {"copper", "Climate",
            {{"chloride", "300"}, {"temperature", "20"}, {"humidity", "85"}, {"so2", "20"}},
            "C5 (2.8-5.6 um/year)"},
        {"aluminium", "First-year mass loss", {{"mass", "0.6"}}, "C2 (up to 0.6 g/m^2 per year)"},
        {"carbon steel", "First-year thickness loss", {{"thickness", "80"}}, "C4 (50-80 um/year)"},
        {"carbon steel", "First-year thickness loss", {{"thickness", "80.1"}},
            "C5 (80-200 um/year)"},
        {"carbon steel", "Climate", {{"humidity", "abc"}}, "'abc' is not a number."},
        {"carbon steel", "Climate", {{"humidity", "101"}},
            "The relative humidity must lie between 0 and 100 %."},
        {"carbon steel", "First-year mass loss", {{"mass", "-3"}},
            "The mass loss must not be negative."},
        {"carbon steel", "First-year mass loss", {{"mass", "10"}, {"years", "0"}},
            "The years must lie between 1 and 100."},
    };
    for (const Case& c : cases) {
        Type(page, "temperature", "15");
        Type(page, "humidity", "75");
        Type(page, "so2", "10");
        Type(page, "chloride", "50");
        Type(page, "years", "20");
        Choose(page->metal, c.metal);
        Choose(page->source, c.source);
        for (const auto& [field, text] : c.typed)
            Type(page, field, text);
        const std::string shown = page->results->Value("Category");
        if (c.category.starts_with("C")) {
            EXPECT_EQ(shown, c.category) << c.metal << ' ' << c.source;
        } else {
            EXPECT_EQ(shown, "") << c.category;
            EXPECT_FALSE(page->plot->HasCurve()) << c.category;
            const std::string field = c.typed.back().first;
            EXPECT_EQ(page->ErrorText(field), c.category) << field;
        }
    }
    // Only the chosen source's fields are shown.
    Choose(page->source, "Climate");
    EXPECT_TRUE(page->Field("so2")->isVisibleTo(page));
    EXPECT_FALSE(page->Field("mass")->isVisibleTo(page));
}

TEST_F(Calculators, TheAllowancesYearsGoOnToTheRemainingLifePage)
{
    AtmospherePage* page = window->atmosphere;
    window->pages->setCurrentWidget(page);
    Choose(page->source, "First-year thickness loss");
    Type(page, "thickness", "10");
    Type(page, "allowance", "1000");
    // 1000 um in 606.5 years (upper): 0.001649 mm/year on the remaining-life page.
    EXPECT_EQ(page->results->Value("Allowance used after (upper)"), "606");
    const auto buttons = page->findChildren<QPushButton*>();
    const auto button = std::ranges::find_if(
        buttons, [](QPushButton* b) { return b->text() == "Remaining life with this rate"; });
    ASSERT_NE(button, buttons.end());
    (*button)->click();
    EXPECT_EQ(window->pages->currentWidget(), window->life);
    EXPECT_EQ(window->life->Field("rate")->text(), "0.001649");
    // Without an allowance the first-year rate goes on.
    window->pages->setCurrentWidget(page);
    Type(page, "allowance", "");
    (*button)->click();
    EXPECT_EQ(window->life->Field("rate")->text(), "0.01000");
}

} // namespace
} // namespace corrolab
