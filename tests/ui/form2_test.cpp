#include "window_fixture.h"

#include "base/lenient_number.h"
#include "base/ui/vb_controls.h"
#include "calculators/rate_units.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

namespace corrolab {
namespace {

using Form2Start = WindowTest;

TEST_F(Form2Start, OpensInConverterModeWithTheCorrosionUnits)
{
    EXPECT_EQ(form->windowTitle(), "Corrolab");
    EXPECT_TRUE(form->Option1[0]->isChecked());
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_EQ(Items(form->List2), kCorrosionUnits);
    EXPECT_EQ(Items(form->List4), kCorrosionUnits);
    EXPECT_EQ(form->Text2->text(), "micro_amp/cm^2");
    EXPECT_EQ(form->Text4->text(), "micro_amp/cm^2");
    EXPECT_EQ(Result(), " 1.000");
    EXPECT_EQ(form->Command1->text(), "&Calculate");
    EXPECT_TRUE(form->Combo1->isHidden());
    EXPECT_FALSE(form->Combo5->isHidden());
    EXPECT_EQ(form->Combo5->count(), 49);
    EXPECT_EQ(form->Combo5->itemText(0), "- Miscellaneous -");
    EXPECT_EQ(form->Combo5->currentText(), "Corrosion rate");
    EXPECT_EQ(form->List1->count(), 48);
    EXPECT_EQ(form->Label2[3]->text(), "Iron");
    EXPECT_EQ(form->Text6->text(), " 27.920"); // the hand-back's 3 decimals
    EXPECT_EQ(form->Text5->text(), " 7.860");
    EXPECT_EQ(form->Text10->text(), "3.5526");
    EXPECT_EQ(form->Label1->text(), ""); // the status line: nothing wrong
    // The window opens just tall enough for its bottom row of buttons.
    const int buttonsBottom
        = form->Command1->mapTo(form.get(), QPoint(0, form->Command1->height())).y();
    EXPECT_LE(buttonsBottom, form->height());
    EXPECT_LT(form->height() - buttonsBottom, 20);
    EXPECT_EQ(form->tools(), nullptr); // created on first use only
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(Form2Start, ControlsKeepTheirDesignedLook)
{
    EXPECT_EQ(form->Label2[2]->text(), "Convert");
    EXPECT_EQ(form->Label2[4]->text(), "to");
    EXPECT_EQ(form->Label2[1]->text(), "Equivalent weight (g)");
    EXPECT_EQ(form->Label2[0]->text(), "Density (g/cm^3)");
    EXPECT_EQ(form->Command5->text(), "&Swap");
    EXPECT_EQ(form->Command3->text(), "Exit");
    EXPECT_EQ(form->Command6->text(), "Material ...");
    EXPECT_EQ(form->Check1->text(), "Scientific notation");
    EXPECT_EQ(form->Check1->toolTip(), "Scientific Format");
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Option1[0]->text(), "Converter");
    EXPECT_EQ(form->Option1[1]->text(), "Dictionary");
    EXPECT_EQ(form->Text2->font(), DesignFont("Courier New", 9)); // or its stand-in
    EXPECT_TRUE(form->Text3->font().bold());
    EXPECT_EQ(form->Text3->palette().color(QPalette::Text), QColor(128, 0, 0));
    EXPECT_EQ(form->Text1->geometry(), QRect(8, 31, 139, 21));
    // The strip holds the mode options and the chooser without overlap.
    EXPECT_FALSE(form->Option1[1]->geometry().intersects(form->Combo5->geometry()));
    EXPECT_FALSE(form->Option1[0]->geometry().intersects(form->Option1[1]->geometry()));
    const auto menus = {form->menu.mnuUC, form->menu.mnuPT, form->menu.mnuAC, form->menu.mnuEC,
        form->menu.mnuCW, form->menu.mnuAT, form->menu.mnuExit, form->menu.mnuSettings,
        form->menu.mnuCurr, form->menu.mnuUnitsList, form->menu.mnuHelp, form->menu.mnuAbout};
    for (QAction* action : menus)
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_EQ(form->menu.mnuAT->text().remove('&'), "Always on Top");
}

TEST_F(Form2Start, ShowsNoBusyPointerUntilTheUserAsks)
{
    EXPECT_EQ(platform.busyCalls, 0);
    struct Case
    {
        const char* name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"Calculate", [this] { form->Command1->click(); }},
        {"Enter in the value box", [this] { emit form->Text1->returnPressed(); }},
        {"a unit picked", [this] { Pick(form->List4, "mpy"); }},
        {"a category from the list", [this] { form->List1->setCurrentRow(3); }},
        {"Swap", [this] { form->Command5->click(); }},
    };
    for (const Case& c : cases) {
        platform.busyCalls = 0;
        c.act();
        EXPECT_GE(platform.busyCalls, 1) << c.name;
        EXPECT_EQ(platform.busyDepth, 0) << c.name;
    }
}

using Conversion = WindowTest;

TEST_F(Conversion, ShowsTheIronFiguresAsAUserReadsThem)
{
    Convert("1", "amp/cm^2", "mm/year");
    EXPECT_NEAR(LenientValueOrZero(Result()), 11617.8, 0.05);
    Convert("1", "micro_amp/cm^2", "mpy");
    EXPECT_EQ(Result(), " .4573");
    Convert("1", "mpy", "micro_amp/cm^2");
    EXPECT_EQ(Result(), " 2.186");
    Convert("2.5E-3", "milli_amp/cm^2", "micro_amp/cm^2");
    EXPECT_EQ(Result(), " 2.500");
    Convert("1", "amp/cm^2", "g/cm^2-s");
    EXPECT_EQ(Result(), " .0002893");
    Convert("abc", "amp/cm^2", "mpy");
    EXPECT_EQ(Result(), " 0.000");
}

TEST_F(Conversion, EnterInTheValueBoxCalculates)
{
    Pick(form->List2, "amp/cm^2");
    Pick(form->List4, "milli_amp/cm^2");
    form->Text1->setText("3");
    EXPECT_EQ(Result(), " 1000.000"); // the pick converted the old value
    emit form->Text1->returnPressed();
    EXPECT_EQ(Result(), " 3000.000");
}

TEST_F(Conversion, ScientificNotationRedisplaysTheResult)
{
    Convert("1.5", "amp/cm^2", "milli_amp/cm^2");
    form->Check1->click();
    EXPECT_EQ(Result(), "1.500 x E+03");
    form->Check1->click();
    EXPECT_EQ(Result(), " 1500.000");
    form->Check1->setChecked(true);
    Convert("1", "amp/cm^2", "g/cm^2-s");
    EXPECT_EQ(Result(), "2.893 x E-04");
}

TEST_F(Conversion, FollowsTheMaterialFrame)
{
    Convert("1", "amp/cm^2", "g/cm^2-s");
    const std::string before = Result();
    form->Text10->setText("7.1");
    form->Command1->click();
    EXPECT_EQ(Result(), before); // penetration material only
    form->Text6->setText("55.84");
    form->Command1->click();
    EXPECT_EQ(Result(), " .0005786");
    Convert("1", "amp/cm^2", "mm/year");
    EXPECT_NEAR(LenientValueOrZero(Result()), 1 / 96500.0 * 10 * 31557600 * 7.1, 0.1);
    form->Text5->setText("100");
    form->Command1->click();
    EXPECT_NEAR(LenientValueOrZero(Result()), 1 / 96500.0 * 10 * 31557600 * 7.1, 0.1);
}

// Typing into the frame's equivalent weight or density makes it the user's
// material: the ratio follows, the name says so, and the calculators read the
// same material as the main window.
TEST_F(Conversion, AnEditedFrameIsTheUsersMaterial)
{
    const struct
    {
        QLineEdit* box;
        const char* typed;
        const char* ratio;
        double equivalentWeight;
        double density;
    } edits[] = {
        {form->Text6, "30", "3.8167", 30, 7.86}, // 4 decimals, cut as the tools window cuts
        {form->Text5, "4.5", "6.6666", 30, 4.5},
        {form->Text6, "55.85", "12.4111", 55.85, 4.5},
    };
    for (const auto& edit : edits) {
        edit.box->selectAll();
        QTest::keyClicks(edit.box, edit.typed);
        EXPECT_EQ(form->Text10->text().toStdString(), edit.ratio) << edit.typed;
        EXPECT_EQ(form->Label2[3]->text().toStdString(), "User's material") << edit.typed;
        Convert("1", "micro_amp/cm^2", "mpy");
        // 1 micro_amp/cm^2 is .4573 mpy for iron's 3.5526 cm^3.
        const double mpy = 0.4573 / 3.5526 * edit.equivalentWeight / edit.density;
        EXPECT_NEAR(LenientValueOrZero(Result()), mpy, 0.001) << edit.typed;
        const CalculatorMaterial material = form->CurrentMaterial();
        EXPECT_EQ(material.name, "User's material") << edit.typed;
        EXPECT_NEAR(material.equivalentWeight, edit.equivalentWeight, 1e-9) << edit.typed;
        EXPECT_NEAR(material.density, edit.density, 1e-3) << edit.typed;
        const auto calculated = ConvertRate(1, "micro_amp/cm^2", "mpy", material);
        ASSERT_TRUE(calculated) << edit.typed;
        EXPECT_NEAR(*calculated, mpy, 0.0005) << edit.typed;
    }
}

TEST_F(Conversion, HostileInputNeverShowsGarbage)
{
    const char* values[] = {"1e400", "-0", "NaN", "\x01\x02", "\xc3\xa9t\xc3\xa9", "--"};
    for (const char* value : values) {
        Convert(value, "amp/cm^2", "mpy");
        const std::string text = Result();
        EXPECT_EQ(text.find("inf"), std::string::npos) << value;
        EXPECT_EQ(text.find("nan"), std::string::npos) << value;
    }
    Convert("1e400", "amp/cm^2", "mpy");
    EXPECT_EQ(Result(), "");
    form->Text1->setText(QString(100000, '9'));
    form->Command1->click();
    EXPECT_EQ(Result(), "");
    form->Text1->setText("-0");
    form->Command1->click();
    EXPECT_EQ(Result(), " 0.000");
    form->Text6->setText("1e400");
    Convert("1", "amp/cm^2", "mdd");
    EXPECT_EQ(Result(), "");
    form->Text6->setText(QString(400, '9'));
    form->Command1->click();
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(Conversion, SwapExchangesTheUnitsAndRecomputes)
{
    Convert("1", "micro_amp/cm^2", "mpy");
    form->Command5->click();
    EXPECT_EQ(form->Text2->text(), "mpy");
    EXPECT_EQ(form->Text4->text(), "micro_amp/cm^2");
    EXPECT_EQ(form->List2->currentItem()->text(), "mpy");
    EXPECT_EQ(form->List4->currentItem()->text(), "micro_amp/cm^2");
    EXPECT_EQ(Result(), " 2.186");
    EXPECT_EQ(form->Text1->text(), "1");
}

TEST_F(Conversion, CategoriesThroughTheCategoryListKeepTheCorrosionUnits)
{
    for (int row : {0, 5, 17, 47}) {
        if (form->List1->item(row)->text() == "Currencies")
            continue;
        form->SetListIndex(form->List1, row);
        EXPECT_EQ(Items(form->List2), kCorrosionUnits) << row;
        EXPECT_EQ(Items(form->List4), kCorrosionUnits) << row;
        EXPECT_EQ(form->Label1->text(), "");
    }
}

using Categories = WindowTest;

TEST_F(Categories, ChoosingACategoryListsItsUnitsInBothLists)
{
    Choose(form->Combo5, "Length");
    EXPECT_EQ(form->List2->count(), 35);
    EXPECT_EQ(Items(form->List4), Items(form->List2));
    EXPECT_EQ(form->Text2->text(), "step");
    EXPECT_EQ(form->Text4->text(), "step");
    EXPECT_EQ(Result(), " 1.000"); // every catalogue unit converts
    Choose(form->Combo5, "- Miscellaneous -");
    EXPECT_EQ(form->List2->count(), 542);
    EXPECT_EQ(Items(form->List4), Items(form->List2));
    Choose(form->Combo5, "Stress");
    EXPECT_EQ(form->List2->count(), 29);
    EXPECT_EQ(form->Label1->text(), "");
}

// A typed unit name empties the result until the next Calculate, which Enter in
// either unit box presses; the scientific form never brings the old result back.
TEST_F(Categories, AResultShowsOnlyBesideTheUnitsItWasComputedFor)
{
    Choose(form->Combo5, "Length");
    const struct
    {
        QLineEdit* box;
        const char* typed;
        const char* result;
    } edits[] = {
        {form->Text4, "m", " 201.168"},
        {form->Text2, "mile", " 1609.344"},
        {form->Text4, "km", " 1.609"},
    };
    Convert("1", "furlong", "micron");
    ASSERT_EQ(Result(), " 201168000.000");
    for (const auto& edit : edits) {
        const std::string before = Result();
        edit.box->selectAll();
        QTest::keyClicks(edit.box, edit.typed);
        EXPECT_EQ(Result(), "") << edit.typed << " after " << before;
        form->Check1->click();
        EXPECT_EQ(Result(), "") << edit.typed;
        form->Check1->click();
        QTest::keyClick(edit.box, Qt::Key_Return);
        EXPECT_EQ(Result(), edit.result) << edit.typed;
    }
}

using Modes = WindowTest;

TEST_F(Modes, DictionaryModeAndBack)
{
    form->Option1[1]->click();
    EXPECT_TRUE(form->DictionaryMode());
    for (QWidget* hidden : std::initializer_list<QWidget*> {
             form->Check1, form->Combo5, form->Text2, form->Text4, form->List2, form->List4})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(form->Combo1->isHidden());
    EXPECT_FALSE(form->Text1->isHidden());
    EXPECT_EQ(form->Text1->text(), "Enter UNIT or SYMBOL");
    EXPECT_EQ(form->Command1->text(), "&Define");
    EXPECT_FALSE(form->Command5->isEnabled());
    EXPECT_EQ(form->Text3->font(), DesignFont("Courier New", 9));
    EXPECT_FALSE(form->Text3->font().bold());
    EXPECT_EQ(form->Text3->toPlainText(), "");
    EXPECT_EQ(form->List1->count(), 49);
    EXPECT_GT(form->Text3->height(), 10 * form->Text1->height() / 2);
    EXPECT_FALSE(form->Text3->geometry().intersects(form->Text1->geometry()));

    form->Option1[0]->click();
    EXPECT_FALSE(form->DictionaryMode());
    for (QWidget* shown : std::initializer_list<QWidget*> {
             form->Check1, form->Combo5, form->Text2, form->Text4, form->List2, form->List4})
        EXPECT_FALSE(shown->isHidden());
    EXPECT_TRUE(form->Combo1->isHidden());
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_EQ(form->Command1->text(), "&Calculate");
    EXPECT_TRUE(form->Command5->isEnabled());
    EXPECT_EQ(form->Text3->geometry().left(), form->Text4->geometry().left());
    EXPECT_EQ(form->Text3->height(), form->Text1->height());
    EXPECT_TRUE(form->Text3->font().bold());
    EXPECT_EQ(Result(), " 1.000");
}

TEST_F(Modes, DictionaryListsACategoryAndDefinesAUnit)
{
    form->Option1[1]->click();
    Choose(form->Combo1, "Temperature");
    const QStringList scales = form->Text3->toPlainText().split('\n');
    ASSERT_EQ(scales.size(), 4);
    EXPECT_EQ(scales[0], "K  kelvin, from absolute zero");
    EXPECT_EQ(scales[1], "C  degree Celsius, t C = t + 273.15 K");
    form->Text1->setText("Pa");
    form->Command1->click();
    const QString listing = form->Text3->toPlainText();
    EXPECT_TRUE(listing.contains("Pressure")) << listing.toStdString();
    EXPECT_FALSE(listing.contains(" 0.000"));
    form->Text1->setText("torr");
    emit form->Text1->returnPressed();
    EXPECT_TRUE(form->Text3->toPlainText().contains("(as \"Torr\")"));
    form->Text1->setText("parsec");
    form->Command1->click();
    EXPECT_EQ(form->Text3->toPlainText(), "No category holds \"parsec\".");
}

// Define lists both names of a category with two, as the help's example says.
TEST_F(Modes, DefineListsEveryCategoryThatHoldsTheName)
{
    form->Option1[1]->click();
    for (const char* name : {"Pa", "psi", "ksi", "N/mm^2"}) {
        form->Text1->setText(name);
        form->Command1->click();
        const QString listing = form->Text3->toPlainText();
        EXPECT_TRUE(listing.contains("Pressure:") && listing.contains("Stress:"))
            << name << ": " << listing.toStdString();
    }
}

} // namespace
} // namespace corrolab
