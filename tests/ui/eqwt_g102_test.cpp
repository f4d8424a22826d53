// The tools window's ASTM G102 figures and the choice of the figures handed back.
#include "temp_folder.h"
#include "window_fixture.h"

#include "base/ui/program_settings.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/hand_back_setting.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>

#include <functional>

namespace corrolab {
namespace {

class G102Window : public WindowTest
{
protected:
    void SetUp() override
    {
        // The choice is kept in a file of this test's own, never the user's.
        UseSettingsFile(QString::fromStdString((folder.path() / "settings.ini").string()));
        WindowTest::SetUp();
        form->Command6->click();
        tools = form->tools();
        ASSERT_NE(tools, nullptr);
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        UseSettingsFile({});
    }

    void ChooseAlloy(const char* base, const char* alloy)
    {
        tools->Option2[1]->click();
        Choose(tools->Combo3, base);
        Choose(tools->Combo4, alloy);
    }
    void ChooseMethod(const char* method) { Choose(tools->ComboMethod, method); }
    void ChooseMetal(const char* symbol)
    {
        tools->Option2[0]->click();
        tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText(symbol));
    }

    static std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
    static std::string Text(const QLabel* label) { return label->text().toStdString(); }
    std::string FrameName() const { return Text(form->Label2[3]); }

    TempFolder folder;
    EqWt* tools = nullptr;
};

TEST_F(G102Window, StartsClassicAndShowsBothLines)
{
    EXPECT_EQ(tools->ComboMethod->currentText(), "Classic");
    ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
    EXPECT_EQ(Text(tools->Text6), " 54.2835");
    EXPECT_EQ(Text(tools->TextG102Weight), " 32.0390");
    EXPECT_EQ(Text(tools->TextG102Density), " 8.5300");
    EXPECT_EQ(Text(tools->LabelG102Density), "Density (handbook)");
    EXPECT_EQ(Text(tools->TextG102[0]), "2");
    EXPECT_EQ(Text(tools->Text5[0]), "1"); // the Valency column stays as it is
    EXPECT_NE(Text(tools->LabelDifference).find("69 % above the ASTM G102"), std::string::npos);
    // The classic figures went to the main window, under the classic name.
    EXPECT_EQ(Text(form->Text6), " 54.283");
    EXPECT_EQ(FrameName(), "Cartridge brass (70/30, C26000)");
}

TEST_F(G102Window, EachMethodHandsBackItsFiguresAndSaysWhichInTheLabel)
{
    const struct
    {
        const char* method;
        const char* metal;
        const char* equivalentWeight;
        const char* density;
        const char* name;
        const char* mmPerYear; // 1 micro_amp/cm^2 (iron: .4573 mpy x 0.0254)
    } rows[] = {
        {"Classic", "Cu", " 63.540", " 8.960", "Copper", " .02319"},
        {"ASTM G102", "Cu", " 31.770", " 8.960", "Copper (G102)", " .01159"},
        {"ASTM G102", "Fe", " 27.923", " 7.860", "Iron (G102)", " .01161"},
        {"Classic", "Fe", " 27.923", " 7.860", "Iron", " .01161"},
    };
    for (const auto& row : rows) {
        ChooseMethod(row.method);
        ChooseMetal(row.metal);
        EXPECT_EQ(Text(form->Text6), row.equivalentWeight) << row.method << " " << row.metal;
        EXPECT_EQ(Text(form->Text5), row.density) << row.method << " " << row.metal;
        EXPECT_EQ(FrameName(), row.name) << row.method << " " << row.metal;
        Convert("1", "micro_amp/cm^2", "mm/year");
        EXPECT_EQ(Result(), row.mmPerYear) << row.method << " " << row.metal;
    }
}

TEST_F(G102Window, ChangingTheMethodHandsBackAtOnceAndIsRemembered)
{
    ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
    ChooseMethod("ASTM G102");
    EXPECT_EQ(Text(form->Text6), " 32.039");
    EXPECT_EQ(Text(form->Text5), " 8.530");
    EXPECT_EQ(FrameName(), "Cartridge brass (70/30, C26000) (G102)");
    EXPECT_EQ(LoadHandBackMethod(), HandBackMethod::G102);
    // A window built afterwards starts with the remembered choice.
    FakePlatform other;
    EqWt next(other);
    EXPECT_EQ(next.ComboMethod->currentText(), "ASTM G102");
    ChooseMethod("Classic");
    EXPECT_EQ(LoadHandBackMethod(), HandBackMethod::Classic);
    EXPECT_EQ(FrameName(), "Cartridge brass (70/30, C26000)");
}

TEST_F(G102Window, ACatalogueAlloyKeepsItsNameUntilTheGridIsEdited)
{
    const struct
    {
        const char* edit;
        std::function<void(EqWt&)> change;
        const char* name;
    } rows[] = {
        {"none", [](EqWt&) {}, "Cartridge brass (70/30, C26000) (G102)"},
        {"a percentage", [](EqWt& t) { t.Text2[0]->setText("72"); }, "Cu/Zn alloy (G102)"},
        {"a symbol", [](EqWt& t) { t.SetComboIndex(t.Combo2[1], t.Combo2[1]->findText("Sn")); },
            "Cu/Sn alloy (G102)"},
        {"a valency", [](EqWt& t) { t.Text5[1]->setText("1"); }, "Cu/Zn alloy (G102)"},
        {"the count",
            [](EqWt& t) {
                t.SetComboIndex(t.Combo1, 2);
                t.SetComboIndex(t.Combo2[2], t.Combo2[2]->findText("Pb"));
                t.Text2[2]->setText("1");
            },
            "Cu/Zn/Pb alloy (G102)"},
        {"an element from the table",
            [](EqWt& t) {
                t.useElement("Pb");
                t.Text2[2]->setText("1");
            },
            "Cu/Zn/Pb alloy (G102)"},
    };
    ChooseMethod("ASTM G102");
    for (const auto& row : rows) {
        ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
        ASSERT_EQ(FrameName(), "Cartridge brass (70/30, C26000) (G102)") << row.edit;
        row.change(*tools);
        EXPECT_EQ(FrameName(), row.name) << row.edit;
    }
    // Another pick from the catalogue names the new alloy; the Metal mode its element.
    ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
    ChooseMetal("Cu");
    EXPECT_EQ(FrameName(), "Copper (G102)");
}

TEST_F(G102Window, FailedCalculationSaysWhyNothingWasHandedBack)
{
    ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
    const std::string frame = Text(form->Text6);
    const std::string name = FrameName();
    ChooseAlloy("Copper", "Phosphor bronze (cryogenic grade)");
    EXPECT_EQ(
        Text(tools->LabelNotHandedBack), "Nothing was handed back: row 3 (P) has valence \"--\".");
    EXPECT_EQ(Text(form->Text6), frame);
    EXPECT_EQ(FrameName(), name);
    // G102 leaves the phosphorus out and calculates.
    EXPECT_EQ(Text(tools->LabelLeftOut),
        "Left out of the G102 figures (minor non-metals): row 3 (P 0.2 %).");
    ChooseMethod("ASTM G102");
    EXPECT_EQ(Text(tools->LabelNotHandedBack), "");
    EXPECT_EQ(Text(form->Text6), " 32.592");
    EXPECT_EQ(FrameName(), "Phosphor bronze (cryogenic grade) (G102)");
    // A G102 valence that reads 0 stops the G102 figures, and says where.
    tools->TextG102[1]->setText("--");
    EXPECT_EQ(Text(tools->LabelNotHandedBack),
        "Nothing was handed back: row 2 (Sn) has G102 valence \"--\".");
    EXPECT_EQ(Text(form->Text6), " 32.592");
}

// A G102 line whose inputs fail is emptied, as the classic boxes are, so that
// neither the close box nor Escape hands the last metal's figures back under the
// new metal's name.
TEST_F(G102Window, AFailedG102LineIsEmptiedAndNeverHandedBackUnderAnotherName)
{
    for (const bool escape : {false, true}) {
        ChooseMethod("ASTM G102");
        ChooseMetal("Fe");
        ASSERT_EQ(FrameName(), "Iron (G102)");
        ChooseMetal("Ir");
        EXPECT_FALSE(tools->Label1[2]->isHidden()) << escape;
        EXPECT_EQ(Text(tools->TextG102Weight), "") << escape;
        EXPECT_EQ(Text(tools->TextG102Density), "") << escape;
        EXPECT_EQ(Text(tools->TextG102Ratio), "") << escape;
        if (escape) {
            auto* shortcut = tools->findChild<QShortcut*>();
            ASSERT_NE(shortcut, nullptr);
            ASSERT_EQ(shortcut->key(), QKeySequence(Qt::Key_Escape));
            emit shortcut->activated();
        } else
            tools->close();
        EXPECT_FALSE(tools->isVisible()) << escape;
        EXPECT_EQ(FrameName(), "Iron (G102)") << escape;
        EXPECT_EQ(Text(form->Text6), " 27.923") << escape;
        form->Command6->click();
    }
}

TEST_F(G102Window, EditedRowsChangeTheFiguresAndTheDensitySource)
{
    ChooseAlloy("Copper", "Cartridge brass (70/30, C26000)");
    // An edited percentage is no longer the handbook's alloy.
    tools->Text2[0]->setText("71");
    EXPECT_EQ(Text(tools->LabelG102Density), "Density (volume-additive)");
    // Copper typed back to valence 1 gives the classic copper figure.
    ChooseMetal("Cu");
    EXPECT_EQ(Text(tools->LabelG102Density), "Density (element)");
    EXPECT_NE(Text(tools->LabelDifference), "");
    tools->TextG102[0]->setText("1");
    EXPECT_EQ(Text(tools->TextG102Weight), " 63.5400");
    EXPECT_EQ(Text(tools->LabelDifference), "");
    // Picking the symbol again restores the default valence.
    ChooseMetal("Cu");
    EXPECT_EQ(Text(tools->TextG102[0]), "2");
}

TEST_F(G102Window, TheG102LinesFollowTheGrid)
{
    const int frameGap = tools->FrameG102->y() - tools->Frame1->geometry().bottom();
    ChooseAlloy("Iron", "Ductile (nodular) iron");
    EXPECT_EQ(tools->components, 5);
    EXPECT_EQ(tools->FrameG102->y() - tools->Frame1->geometry().bottom(), frameGap);
    EXPECT_GT(tools->LabelNotHandedBack->y(), tools->FrameG102->geometry().bottom());
    EXPECT_LE(tools->LabelNotHandedBack->geometry().bottom(), tools->height());
    EXPECT_TRUE(tools->TextG102[4]->isVisible());
    EXPECT_FALSE(tools->TextG102[5]->isVisible());
}

} // namespace
} // namespace corrolab
