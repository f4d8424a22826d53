#include "window_fixture.h"

#include "alloys/alloy_catalogue.h"
#include "base/lenient_number.h"
#include "base/number_format.h"
#include "tools/ui/eqwt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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
        QObject::connect(tools, &EqWt::materialChosen, [this] { ++handBacks; });
    }

    void PickSymbol(int row, const char* symbol)
    {
        const int index = tools->Combo2[row]->findText(symbol);
        ASSERT_GE(index, 0) << symbol;
        tools->SetComboIndex(tools->Combo2[row], index);
    }

    // The percentages of the rows in use.
    std::vector<std::string> Percentages() const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < tools->components; ++row)
            texts.push_back(Cell(tools->Text2[row]));
        return texts;
    }

    std::vector<std::string> Results() const
    {
        return {Cell(tools->Text6), Cell(tools->Text8), Cell(tools->Text10)};
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
    int handBacks = 0; // materials the tools window handed to the main window
};

const std::string kBrass = "Cartridge brass (70/30, C26000)";

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
    EXPECT_EQ(form->Label2[3]->text(), "Alclad 17 ST");
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
    EXPECT_FALSE(results.empty());
    EXPECT_EQ(Cell(tools->Text6), ""); // no stale result beside a grid that gives none
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

TEST_F(ToolsWindow, HandBackInDictionaryModeKeepsTheListing)
{
    form->Option1[1]->click();
    Choose(form->Combo1, "Temperature");
    const std::string listing = Result();
    ASSERT_EQ(listing.substr(0, listing.find('\n')), "K  kelvin, from absolute zero");
    tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText("Cu"));
    EXPECT_EQ(Result(), listing);
    EXPECT_EQ(form->Label2[3]->text(), "Copper");
    // The corrosion-rate factors follow the new material: g/cm^2-s is EW / 96500.
    const double ew = LenientValueOrZero(form->Text6->text().toStdString());
    EXPECT_NEAR(ew, 63.54, 1e-9);
    EXPECT_DOUBLE_EQ(form->unitTable.Factor(4, 1), ew / 96500);
}

// A symbol pick fills its row completely before anything is calculated, and one
// calculation follows: a row never reaches the main window half filled.
TEST_F(ToolsWindow, APickedSymbolIsCalculatedOnlyWhenItsRowIsComplete)
{
    const struct
    {
        const char* name;
        bool alloy; // cartridge brass, else iron as a pure metal
        int row;
        const char* symbol;
        bool calculated; // the picked element has a valence and a density
    } cases[] = {
        {"metal Fe -> Ir", false, 0, "Ir", false},
        {"metal Fe -> Cu", false, 0, "Cu", true},
        {"metal Fe -> Zn", false, 0, "Zn", true},
        {"brass Zn -> Ir", true, 1, "Ir", false},
        {"brass Zn -> Ni", true, 1, "Ni", true},
        {"brass Cu -> Ag", true, 0, "Ag", true},
    };
    for (const auto& c : cases) {
        if (c.alloy)
            ChooseAlloy("Copper", kBrass.c_str());
        else
            tools->Option2[0]->click();
        const Frame before = MainFrame();
        handBacks = 0;
        PickSymbol(c.row, c.symbol);
        EXPECT_EQ(tools->Label1[2]->isHidden(), c.calculated) << c.name;
        if (!c.calculated) {
            EXPECT_EQ(handBacks, 0) << c.name;
            EXPECT_EQ(MainFrame(), before) << c.name;
            continue;
        }
        EXPECT_EQ(handBacks, 1) << c.name;
        // What reached the main window is what the tools window shows for the full row.
        double ew = LenientValueOrZero(Cell(tools->Text6));
        double density = LenientValueOrZero(Cell(tools->Text8));
        EXPECT_EQ(MainFrame().equivalentWeight, FormatFixed(ew, 1, 3)) << c.name;
        EXPECT_EQ(MainFrame().density, FormatFixed(density, 1, 3)) << c.name;
        double picked = LenientValueOrZero(Cell(tools->Text7[c.row]));
        if (!c.alloy) {
            EXPECT_EQ(MainFrame().density, FormatFixed(picked, 1, 3)) << c.name;
        }
    }
}

// The percentage cascade: with two rows the second is 100 minus the first; with
// more, the last row in use takes the difference unless it is negative, and no
// negative percentage is ever calculated or handed back.
TEST_F(ToolsWindow, PercentageCascadeNeverWritesANegativePercentage)
{
    const struct
    {
        const char* composition;
        int row;
        const char* typed;
        std::vector<std::string> percentages;
        bool totalMarker;
        bool refused; // "Check Inputs !" and nothing handed back
    } cases[] = {
        {"50Fe 50Ni", 0, "70", {"70", "30"}, false, false},
        {"50Fe 50Ni", 0, "150", {"150", "-50"}, false, true},
        {"50Fe 50Ni", 1, "40", {"50", "40"}, true, false},
        {"20Fe 30Ni 50Cr", 0, "50", {"50", "30", "20"}, false, false},
        {"20Fe 65Ni 15Cr", 0, "50", {"50", "65", "15"}, true, false},
        {"20Fe 30Ni 50Cr", 1, "-10", {"20", "-10", "90"}, false, true},
        {"20Fe 30Ni 50Cr", 2, "-10", {"20", "30", "-10"}, true, true},
        {"60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti", 0, "50",
            {"50", "10", "8", "6", "5", "4", "3", "2", "12"}, false, false},
        {"60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti", 0, "70",
            {"70", "10", "8", "6", "5", "4", "3", "2", "2"}, true, false},
    };
    tools->Option2[1]->click();
    for (const auto& c : cases) {
        const std::string name
            = std::string(c.composition) + ": row " + std::to_string(c.row + 1) + " = " + c.typed;
        tools->LoadComposition(c.composition);
        const Frame before = MainFrame();
        handBacks = 0;
        tools->Text2[c.row]->setText(c.typed);
        EXPECT_EQ(Percentages(), c.percentages) << name;
        EXPECT_EQ(tools->Label1[0]->isHidden(), !c.totalMarker) << name;
        EXPECT_EQ(tools->Label1[2]->isHidden(), !c.refused) << name;
        if (c.refused) {
            EXPECT_EQ(MainFrame(), before) << name;
            EXPECT_EQ(handBacks, 0) << name;
        } else {
            EXPECT_GE(handBacks, 1) << name;
        }
    }
}

// Keystroke by keystroke, the main window holds either what the tools window
// shows as handed back, or what the tools window says the main window holds.
TEST_F(ToolsWindow, TheMainWindowNeverHoldsAMaterialTheToolsWindowDoesNotShow)
{
    tools->Option2[1]->click();
    tools->LoadComposition("70Cu 30Ni 0Fe");
    const auto said = [this] {
        std::string text;
        for (const QLabel* label : tools->findChildren<QLabel*>())
            if (label->isVisible())
                text += label->text().toStdString() + "\n";
        return text;
    };
    const std::pair<int, std::string> edits[] = {{0, "80"}, {1, "-5"}, {1, "5"}, {0, "-"}};
    for (const auto& [row, typed] : edits) {
        tools->Text2[row]->selectAll();
        for (const char key : typed) {
            QTest::keyClicks(tools->Text2[row], QString(QChar(key)));
            const std::string step = "row " + std::to_string(row + 1) + " typed "
                + Cell(tools->Text2[row]) + "\n" + said();
            const Frame held = MainFrame();
            if (tools->LabelNotHandedBack->text().isEmpty()) {
                // Handed back: the frame shows the tools window's result.
                EXPECT_EQ(held.name, "Cu/Ni/Fe alloy") << step;
                double density = LenientValueOrZero(Cell(tools->Text8));
                EXPECT_EQ(held.density, FormatFixed(density, 1, 3)) << step;
            } else {
                // Not handed back: the tools window says what the main window holds.
                const auto trimmed = [](const std::string& text) {
                    return QString::fromStdString(text).trimmed().toStdString();
                };
                const std::string shown = "The main window holds " + held.name + ": Eq. wt. "
                    + trimmed(held.equivalentWeight) + " g, density " + trimmed(held.density);
                EXPECT_NE(said().find(shown), std::string::npos) << step;
            }
        }
    }
}

// The cascade rewrites rows in use only: the first hidden row keeps its text.
TEST_F(ToolsWindow, PercentageCascadeStopsAtTheLastRowInUse)
{
    tools->Option2[1]->click();
    for (int count = 2; count <= kGridRows; ++count) {
        tools->SetComboIndex(tools->Combo1, count - 1);
        ASSERT_EQ(tools->components, count);
        tools->Text2[count]->setText("7");
        for (int row = 0; row < count; ++row)
            PickSymbol(row, "Fe");
        for (const int edited : {count - 1, 0}) {
            tools->Text2[edited]->setText("10");
            EXPECT_EQ(Cell(tools->Text2[count]), "7")
                << count << " rows in use, row " << edited + 1 << " edited";
            EXPECT_TRUE(tools->Text2[count]->isHidden()) << count;
        }
    }
}

// Yes to "Density and/or Equivalent Weight not calculated" closes the window and
// leaves the main window's material; No keeps the window open.
TEST_F(ToolsWindow, NotCalculatedQuestionNeverWritesTheMainWindow)
{
    const struct
    {
        bool yes;
        bool visibleAfter;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        form->Command6->click();
        tools->Option2[1]->click(); // empties the result boxes
        const Frame before = MainFrame();
        const std::string mdd = Converted("1", "amp/cm^2", "mdd");
        platform.answers = {c.yes};
        tools->Command3->click();
        EXPECT_EQ(platform.dialogs.back().kind, "YesNo") << c.yes;
        EXPECT_EQ(tools->isVisible(), c.visibleAfter) << c.yes;
        EXPECT_EQ(MainFrame(), before) << c.yes;
        EXPECT_EQ(Converted("1", "amp/cm^2", "mdd"), mdd) << c.yes;
    }
}

// A typed density or atomic weight recalculates at once, so the results and the
// main window always match the grid.
TEST_F(ToolsWindow, TypedDensityOrAtomicWeightRecalculates)
{
    const struct
    {
        const char* name;
        int column; // 4: atomic weight, 7: density
        const char* typed;
    } cases[] = {
        {"density 8.5", 7, "8.5"},
        {"density 7", 7, "7"},
        {"atomic weight 60", 4, "60"},
        {"atomic weight 50.5", 4, "50.5"},
    };
    for (const auto& c : cases) {
        tools->Option2[0]->click(); // iron, 100 %
        QLineEdit* box = c.column == 7 ? tools->Text7[0] : tools->Text4[0];
        box->setFocus();
        box->setText(c.typed);
        tools->Text2[0]->setFocus(); // leaving the box
        const double typed = LenientValueOrZero(c.typed);
        double density = c.column == 7 ? typed : 7.86;
        double ew = (c.column == 4 ? typed : 55.847) / 2;
        EXPECT_EQ(Cell(tools->Text8), FormatFixed(density, 1, 4)) << c.name;
        EXPECT_EQ(Cell(tools->Text6), FormatFixed(ew, 1, 4)) << c.name;
        EXPECT_EQ(MainFrame().density, FormatFixed(density, 1, 3)) << c.name;
        EXPECT_EQ(MainFrame().equivalentWeight, FormatFixed(ew, 1, 3)) << c.name;
    }
}

// Switching the tools window's mode from outside it (showMetals, showAlloys) keeps
// the main window's material, and the grid where the mode allows it.
TEST_F(ToolsWindow, MenuModeSwitchKeepsTheMainWindowsMaterial)
{
    const struct
    {
        const char* name;
        const char* composition; // in the Alloy mode; empty: a pure metal
        const char* metal;
        bool periodicTable; // showMetals, else showAlloys
        const char* firstSymbol;
        int components;
    } cases[] = {
        {"brass, periodic table", "70Cu 30Zn", "", true, "Fe", 1},
        {"one-row alloy, periodic table", "100Cu", "", true, "Cu", 1},
        {"copper, alloys", "", "Cu", false, "Cu", 1},
        {"copper, periodic table", "", "Cu", true, "Cu", 1},
        {"brass, alloys", "70Cu 30Zn", "", false, "Cu", 2},
    };
    for (const auto& c : cases) {
        if (*c.composition) {
            tools->Option2[1]->click();
            tools->LoadComposition(c.composition);
        } else {
            tools->Option2[0]->click();
            PickSymbol(0, c.metal);
        }
        const Frame before = MainFrame();
        const std::string mpy = Converted("1", "micro_amp/cm^2", "mpy");
        if (c.periodicTable)
            tools->showMetals();
        else
            tools->showAlloys();
        EXPECT_TRUE(tools->isVisible()) << c.name;
        EXPECT_EQ(tools->Option2[0]->isChecked(), c.periodicTable) << c.name;
        EXPECT_EQ(tools->Combo3->isEnabled(), !c.periodicTable) << c.name;
        EXPECT_EQ(MainFrame(), before) << c.name;
        EXPECT_EQ(Converted("1", "micro_amp/cm^2", "mpy"), mpy) << c.name;
        EXPECT_EQ(tools->Combo2[0]->currentText().toStdString(), c.firstSymbol) << c.name;
        EXPECT_EQ(tools->components, c.components) << c.name;
    }
    // A catalogue alloy that gives way to the Metal mode leaves no alloy name behind.
    ChooseAlloy("Copper", kBrass.c_str());
    tools->showMetals();
    EXPECT_EQ(tools->Combo4->currentText(), "");
}

// When the tools window shows no valid result, all three result boxes are empty.
TEST_F(ToolsWindow, NoStaleResultBesideInputsThatDoNotProduceIt)
{
    const struct
    {
        const char* name;
        bool alloy; // the mode chosen after iron was calculated
        const char* symbol; // then picked in row 0, or nothing
        const char* composition; // then loaded, or nothing
        bool checkInputs;
    } cases[] = {
        {"Alloy chosen", true, "", "", false},
        {"metal without density", false, "Ir", "", true},
        {"noble gas", false, "He", "", true},
        {"alloy with phosphorus", true, "", "94.8Cu 5Sn 0.2P", true},
    };
    for (const auto& c : cases) {
        tools->Option2[0]->click(); // iron, calculated
        ASSERT_EQ(Cell(tools->Text6), " 27.9235") << c.name;
        if (c.alloy)
            tools->Option2[1]->click();
        if (*c.symbol)
            PickSymbol(0, c.symbol);
        if (*c.composition)
            tools->LoadComposition(c.composition);
        EXPECT_EQ(Results(), (std::vector<std::string> {"", "", ""})) << c.name;
        EXPECT_EQ(tools->Label1[2]->isHidden(), !c.checkInputs) << c.name;
    }
}

} // namespace
} // namespace corrolab
