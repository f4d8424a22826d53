#include "window_fixture.h"

#include "alloys/alloy_catalogue.h"
#include "app/lenient_number.h"
#include "app/number_format.h"
#include "tools/ui/eqwt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace corrolab {
namespace {

class ToolsWindow : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form->Command6->click();
        tools = form->tools();
        ASSERT_NE(tools, nullptr);
    }

    void ChooseAlloy(const char* base, const char* alloy)
    {
        tools->Option2[1]->click();
        Choose(tools->Combo3, base);
        Choose(tools->Combo4, alloy);
    }

    std::string Cell(const QLineEdit* box) const { return box->text().toStdString(); }

    // The main window's material frame as the user reads it.
    struct Frame
    {
        std::string equivalentWeight, density, ratio, name;
        bool operator==(const Frame&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Frame& frame)
        {
            return out << '"' << frame.name << "\" EW \"" << frame.equivalentWeight
                       << "\" density \"" << frame.density << "\" ratio \"" << frame.ratio << '"';
        }
    };
    Frame MainFrame() const
    {
        return {form->Text6->text().toStdString(), form->Text5->text().toStdString(),
            form->Text10->text().toStdString(), form->Label2[3]->text().toStdString()};
    }

    // The result of one conversion in the main window with its current material.
    std::string Converted(const char* value, const char* from, const char* to)
    {
        Convert(value, from, to);
        return Result();
    }

    EqWt* tools = nullptr;
};

TEST(ToolsWindowAlone, HandsItsMaterialBackThroughTheSignal)
{
    FakePlatform platform;
    EqWt tools(platform);
    std::vector<ChosenMaterial> chosen;
    QObject::connect(&tools, &EqWt::materialChosen,
        [&chosen](const ChosenMaterial& material) { chosen.push_back(material); });
    tools.Form_Load();
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(chosen.back().name, "Iron");
    EXPECT_EQ(chosen.back().frame.equivalentWeight, " 27.923");
    EXPECT_EQ(chosen.back().frame.density, " 7.860");
    EXPECT_EQ(chosen.back().frame.ratio, "3.5526");
    chosen.clear();
    tools.SetComboIndex(tools.Combo2[0], tools.Combo2[0]->findText("Cu"));
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(chosen.back().name, "Copper");
}

TEST_F(ToolsWindow, OpensWithIronAndHandsItBack)
{
    EXPECT_EQ(tools->windowTitle(), "Material Properties");
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(tools->Combo2[0]->currentText(), "Fe");
    EXPECT_EQ(tools->Combo2[0]->itemText(30), "Fe");
    EXPECT_EQ(Cell(tools->Text2[0]), "100");
    EXPECT_EQ(Cell(tools->Text1[0]), "Iron");
    EXPECT_EQ(Cell(tools->Text7[0]), "7.86");
    EXPECT_EQ(Cell(tools->Text6), " 27.9235");
    EXPECT_EQ(Cell(tools->Text8), " 7.8600");
    EXPECT_EQ(Cell(tools->Text10), " 3.5526");
    EXPECT_EQ(tools->Combo1->count(), 9);
    EXPECT_EQ(tools->sl[9]->text(), "10.");
    EXPECT_TRUE(tools->Text2[1]->isHidden());
    EXPECT_EQ(form->Text6->text(), " 27.923");
    EXPECT_EQ(form->Text5->text(), " 7.860");
    EXPECT_EQ(form->Text10->text(), "3.5526");
    EXPECT_EQ(form->Label2[3]->text(), "Iron");
    EXPECT_TRUE(tools->Option2[0]->isChecked());
    EXPECT_FALSE(tools->Combo3->isEnabled());
    // Rows are 25 twips apart.
    const int spacing = tools->Combo2[1]->y() - tools->Combo2[0]->y();
    EXPECT_TRUE(spacing == 22 || spacing == 23) << spacing; // 340 twips
    EXPECT_EQ(tools->Combo2[5]->y() - tools->Combo2[0]->y(), 113); // 5 x 340 twips
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(ToolsWindow, AlloyFromTheCatalogueReachesTheMainWindow)
{
    Pick(form->List2, "amp/cm^2");
    Pick(form->List4, "g/cm^2-s");
    ChooseAlloy("Aluminum", "Alclad 17 ST");
    EXPECT_EQ(tools->Combo1->currentText(), "4");
    EXPECT_EQ(tools->Combo2[3]->currentText(), "Mn");
    EXPECT_EQ(Cell(tools->Text2[2]), "0.5");
    EXPECT_FALSE(tools->Label1[0]->isHidden()); // total 99
    const double ew = (94 * 26.982 / 3 + 4 * 63.54 / 1 + 0.5 * 24.312 / 2 + 0.5 * 54.938 / 2) / 99;
    EXPECT_NEAR(LenientValueOrZero(Cell(tools->Text6)), ew, 1e-4);
    EXPECT_EQ(form->Label2[3]->text(), "Al/Cu/Mg/Mn alloy");
    EXPECT_NEAR(LenientValueOrZero(form->Text6->text().toStdString()), ew, 1e-3);
    EXPECT_NEAR(LenientValueOrZero(Result()), ew / 96500, 1e-6);
}

TEST_F(ToolsWindow, CompositionWithTracesAndRanges)
{
    tools->Option2[1]->click();
    tools->LoadComposition("77Al 21Zn 1.1Cu 0.5Fe Pb Sn");
    EXPECT_EQ(tools->components, 6);
    EXPECT_EQ(tools->Label2[9]->text(), "99.6");
    EXPECT_FALSE(tools->Label1[0]->isHidden());
    EXPECT_EQ(Cell(tools->Text2[4]), "");
    EXPECT_EQ(tools->Combo2[5]->currentText(), "Sn");
    tools->LoadComposition("89Al 12-14Cu");
    EXPECT_EQ(Cell(tools->Text2[1]), "12-14");
    EXPECT_EQ(tools->Label2[9]->text(), "101");
}

TEST_F(ToolsWindow, AnAlloyThatCannotBeCalculatedNeverReachesTheMainWindowHalfLoaded)
{
    tools->Option2[1]->click();
    tools->LoadComposition("77Al 21Zn 1.1Cu 0.5Fe Pb Sn");
    const QString name = form->Label2[3]->text();
    const QString frame = form->Text6->text();
    const std::string results = Cell(tools->Text6);
    tools->LoadComposition("94.8Cu 5Sn 0.2P");
    EXPECT_FALSE(tools->Label1[2]->isHidden());
    EXPECT_EQ(form->Label2[3]->text(), name);
    EXPECT_EQ(form->Text6->text(), frame);
    EXPECT_EQ(Cell(tools->Text6), results);
    EXPECT_EQ(tools->Label2[9]->text(), "99.6");
    EXPECT_EQ(Cell(tools->Text2[1]), "5");
}

TEST_F(ToolsWindow, MoreComponentsThanRowsLeaveTheGridAlone)
{
    tools->Option2[1]->click();
    tools->LoadComposition("10Fe 10Ni 10Cr 10Mo 10Cu 10Al 10Zn 10Sn 10Pb 10Ag");
    EXPECT_EQ(platform.Count("Tell"), 1u);
    EXPECT_EQ(tools->components, 1);
    EXPECT_EQ(tools->Combo2[0]->currentText(), "Fe");
}

TEST_F(ToolsWindow, ComponentCountResizesAndIronReturns)
{
    tools->Option2[1]->click();
    const int oneRowHeight = tools->height();
    tools->SetComboIndex(tools->Combo1, 2);
    EXPECT_EQ(tools->components, 3);
    EXPECT_FALSE(tools->Text2[2]->isHidden());
    EXPECT_TRUE(tools->Text2[3]->isHidden());
    EXPECT_GT(tools->height(), oneRowHeight);
    EXPECT_GT(tools->Frame1->y(), tools->Text3[2]->geometry().bottom());
    EXPECT_GT(tools->Label2[9]->y(), tools->Text3[2]->geometry().bottom());
    tools->SetComboIndex(tools->Combo1, 0);
    EXPECT_EQ(tools->height(), oneRowHeight);
    EXPECT_EQ(tools->Combo2[0]->currentText(), "Fe");
    EXPECT_EQ(Cell(tools->Text2[0]), "100");
}

TEST_F(ToolsWindow, PercentageEditsCascadeDownTheRows)
{
    tools->Option2[1]->click();
    tools->SetComboIndex(tools->Combo1, 1);
    tools->SetComboIndex(tools->Combo2[1], tools->Combo2[1]->findText("Ni"));
    tools->Text2[0]->setText("70");
    EXPECT_EQ(Cell(tools->Text2[1]), "30");
    EXPECT_EQ(tools->Label2[9]->text(), "100");
    EXPECT_TRUE(tools->Label1[0]->isHidden());
    EXPECT_EQ(form->Label2[3]->text(), "Fe/Ni alloy");
    tools->SetComboIndex(tools->Combo1, 2);
    tools->SetComboIndex(tools->Combo2[2], tools->Combo2[2]->findText("Cr"));
    tools->Text2[0]->setText("60");
    double total = 0;
    for (int i = 0; i < 3; ++i)
        total += LenientValueOrZero(Cell(tools->Text2[i]));
    EXPECT_DOUBLE_EQ(total, 100);
}

TEST_F(ToolsWindow, MarkersFlagWhatStopsTheCalculation)
{
    tools->Option2[1]->click();
    tools->SetComboIndex(tools->Combo1, 1);
    tools->Text2[0]->setText("50");
    const std::string before = Cell(tools->Text6);
    tools->SetComboIndex(tools->Combo2[1], tools->Combo2[1]->findText("P"));
    tools->Text2[1]->setText("40");
    EXPECT_FALSE(tools->Label1[1]->isHidden()); // valence "--"
    EXPECT_FALSE(tools->Label1[2]->isHidden()); // Check Inputs !
    EXPECT_EQ(tools->Label1[2]->text(), "Check Inputs !");
    EXPECT_EQ(Cell(tools->Text6), before);
    EXPECT_EQ(tools->Label1[1]->y(), tools->Text5[1]->y());
    EXPECT_GT(tools->Label1[1]->x(), tools->Text5[1]->geometry().right());

    tools->SetComboIndex(tools->Combo2[1], tools->Combo2[1]->findText("He"));
    EXPECT_TRUE(tools->Label1[1]->isHidden());
    tools->Text2[1]->setText("41");
    EXPECT_FALSE(tools->Label1[2]->isHidden());

    tools->Text2[0]->setText("");
    tools->Text2[1]->setText("");
    EXPECT_TRUE(tools->Label1[2]->isHidden());
    EXPECT_FALSE(tools->Label1[0]->isHidden());
}

TEST_F(ToolsWindow, AlloyModeEmptiesResultsAndMetalRestoresIron)
{
    tools->Option2[1]->click();
    EXPECT_EQ(Cell(tools->Text6), "");
    EXPECT_EQ(Cell(tools->Text8), "");
    EXPECT_TRUE(tools->Combo3->isEnabled());
    const QString frameBefore = form->Text6->text();
    platform.answers = {false};
    tools->Command3->click();
    EXPECT_EQ(platform.Count("YesNo"), 1u);
    EXPECT_EQ(platform.dialogs.back().text,
        "Density and/or Equivalent Weight not calculated.\n\n"
        "Do you want to close this window?");
    EXPECT_EQ(form->Text6->text(), frameBefore);
    tools->Option2[0]->click();
    EXPECT_EQ(Cell(tools->Text6), " 27.9235");
    EXPECT_EQ(form->Label2[3]->text(), "Iron");
    EXPECT_FALSE(tools->Combo3->isEnabled());
}

TEST_F(ToolsWindow, MetalPickRecalculatesAtOnce)
{
    tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText("Cu"));
    EXPECT_EQ(Cell(tools->Text6), " 63.5400");
    EXPECT_EQ(form->Label2[3]->text(), "Copper");
    EXPECT_EQ(form->Text5->text(), " 8.960");
}

TEST_F(ToolsWindow, ClosingOnlyHidesAndKeepsTheState)
{
    const std::string brass(AlloysOf("Copper")[0].name);
    ChooseAlloy("Copper", brass.c_str());
    const std::string ew = Cell(tools->Text6);
    const int count = tools->components;
    tools->close();
    EXPECT_FALSE(tools->isVisible());
    double shown = LenientValueOrZero(ew);
    EXPECT_EQ(form->Text6->text().toStdString(), FormatFixed(shown, 1, 3)); // as handed back
    form->Command6->click();
    EXPECT_EQ(form->tools(), tools);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(Cell(tools->Text6), ew);
    EXPECT_EQ(tools->components, count);
    tools->Command2->click();
    EXPECT_FALSE(tools->isVisible());
}

TEST_F(ToolsWindow, CloseBoxNeverBlanksTheMainWindow)
{
    const Frame iron = MainFrame();
    const std::string mdd = Converted("1", "amp/cm^2", "mdd");
    tools->Option2[1]->click(); // empties the result boxes
    tools->close();
    EXPECT_FALSE(tools->isVisible());
    EXPECT_EQ(MainFrame(), iron);
    EXPECT_EQ(Converted("1", "amp/cm^2", "mdd"), mdd);

    // With a result on show the close box writes the hand-back's 3-decimal form.
    form->Command6->click();
    tools->Option2[0]->click();
    tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText("Cu"));
    const Frame copper = MainFrame();
    EXPECT_EQ(copper.name, "Copper");
    double shown = LenientValueOrZero(Cell(tools->Text6));
    EXPECT_EQ(copper.equivalentWeight, FormatFixed(shown, 1, 3));
    tools->close();
    EXPECT_EQ(MainFrame(), copper);
}

} // namespace
} // namespace corrolab
