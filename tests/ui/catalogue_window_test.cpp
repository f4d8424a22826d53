// Converting every catalogue category in the main window, its status line, and
// the Dictionary's definitions.
#include "catalogue/unit_catalogue.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corrolab {
namespace {

using CatalogueWindow = WindowTest;

struct WindowCase
{
    const char* category;
    const char* value;
    const char* from;
    const char* to;
    const char* result; // the result box
    const char* status; // the status line
};

TEST_F(CatalogueWindow, CalculateConvertsWithinTheChosenCategory)
{
    const WindowCase cases[] = {
        {"Length", "1", "furlong", "m", " 201.168", ""},
        {"Temperature", "100", "C", "F", " 212.000", ""},
        {"Temperature", "-40", "F", "C", "-40.000", ""},
        {"Mass", "1", "ton", "lb", " 2000.000", ""},
        {"Angle", "1", "pt", "deg", " 11.250", ""},
        {"Number formats", "FF", "Hexadecimal", "Decimal", "255", ""},
        {"Number formats", "1994", "Decimal", "Roman", "MCMXCIV", ""},
        {"Corrosion rate", "1", "mm/year", "mil/year", " 39.370", ""},
        {"Corrosion rate", "1", "mm/year", "mdd", " 215.168", ""},
        {"Corrosion rate", "1", "mm/year", "g/m^2-day", " 21.516", ""},
        {"Angular velocity", "1", "m/s", "rad/s", "", "m/s and rad/s measure different quantities"},
        {"Temperature", "-300", "C", "K", "", "-300 C is below absolute zero"},
        {"Length", "1e400", "m", "ft", "", "'1e400' is out of range"},
        {"Number formats", "19", "Octal", "Decimal", "", "'9' is not a digit of Octal"},
        {"Number formats", "0", "Decimal", "Roman", "",
            "0 has no Roman numeral (they run from 1 to 3999)"},
    };
    for (const WindowCase& row : cases) {
        Choose(form->Combo5, row.category);
        Convert(row.value, row.from, row.to);
        EXPECT_EQ(Result(), row.result) << row.value << " " << row.from << " -> " << row.to;
        EXPECT_EQ(form->Label1->text().toStdString(), row.status) << row.from << " -> " << row.to;
    }
}

TEST_F(CatalogueWindow, StatusLineClearsWhenTheResultIsSoundAgain)
{
    Choose(form->Combo5, "Temperature");
    Convert("-500", "F", "C");
    EXPECT_EQ(form->Label1->text(), "-500 F is below absolute zero");
    form->Text1->setText("32");
    form->Command1->click();
    EXPECT_EQ(Result(), " 0.000");
    EXPECT_EQ(form->Label1->text(), "");
}

TEST_F(CatalogueWindow, TypedUnitOutsideTheCategoryIsNamed)
{
    Choose(form->Combo5, "Length");
    form->Text1->setText("1");
    form->Text2->setText("furlong");
    form->Text4->setText("parsec");
    form->Command1->click();
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(form->Label1->text(), "'parsec' is not a unit of Length");
}

// Typed names: the spellings engineers use stand for the catalogue's units, and
// an unknown name is answered with the close ones in the status line.
TEST_F(CatalogueWindow, TypedSpellingsConvertAndUnknownNamesGetCloseOnes)
{
    const WindowCase cases[] = {
        {"Pressure", "1", "MPa", "psi", " 145.037", ""}, // 145.0377, cut
        {"Temperature", "100", "\u00b0C", "degF", " 212.000", ""},
        {"Corrosion rate", "1", "mm/y", "mil/year", " 39.370", ""},
        {"Corrosion rate", "1", "mm/yaer", "mpy", "",
            "'mm/yaer' is not a unit of Corrosion rate; did you mean mm/year?"},
        {"Length", "1", "furlong", "furlongs", "",
            "'furlongs' is not a unit of Length; did you mean furlong?"},
        {"Length", "1", "furlong", "kgs", "", "'kgs' is not a unit of Length"},
    };
    for (const WindowCase& row : cases) {
        Choose(form->Combo5, row.category);
        form->Text1->setText(row.value);
        form->Text2->setText(row.from);
        form->Text4->setText(row.to);
        form->Command1->click();
        EXPECT_EQ(Result(), row.result) << row.from << " -> " << row.to;
        EXPECT_EQ(form->Label1->text().toStdString(), row.status) << row.from << " -> " << row.to;
    }
}

TEST_F(CatalogueWindow, ScientificFormOfACatalogueResult)
{
    Choose(form->Combo5, "Length");
    Convert("1", "lightyear", "m");
    form->Check1->click();
    EXPECT_EQ(Result(), "9.461 x E+15");
    form->Check1->click();
    EXPECT_EQ(Result(), " 9460730472580800.000");
}

TEST_F(CatalogueWindow, SwapInNumberFormatsKeepsTheTypedValue)
{
    Choose(form->Combo5, "Number formats");
    Convert("FF", "Hexadecimal", "Binary");
    EXPECT_EQ(Result(), "11111111");
    form->Command5->click();
    EXPECT_EQ(form->Text2->text(), "Binary");
    EXPECT_EQ(Result(), "FF");
    // With no result to take over, the typed text stays.
    Convert("2", "Binary", "Decimal");
    EXPECT_EQ(Result(), "");
    form->Command5->click();
    EXPECT_EQ(form->Text1->text(), "2");
    EXPECT_EQ(Result(), "10");
}

TEST_F(CatalogueWindow, CorrosionRateListsTheTenUnitsThenTheCatalogueNames)
{
    Choose(form->Combo5, "Corrosion rate");
    std::vector<std::string> expected = kCorrosionUnits;
    for (const char* name : {"mil/year", "in/year", "micro_m/year", "mg/m^2-day", "g/m^2-day"})
        expected.emplace_back(name);
    EXPECT_EQ(Items(form->List2), expected);
    // The ten keep their single-precision table figures.
    Convert("1", "micro_amp/cm^2", "mpy");
    EXPECT_EQ(Result(), " .4573");
    Convert("1", "micro_amp/cm^2", "mil/year");
    EXPECT_EQ(Result(), " .4573");
}

// Rows of the all-categories listing convert within their own category.
TEST_F(CatalogueWindow, MiscellaneousRowsKeepTheirCategories)
{
    Choose(form->Combo5, "- Miscellaneous -");
    const auto entries = EntriesForSelection(kAllCategories);
    const auto rowOf = [&entries](std::string_view category, std::string_view unit) {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].category->name == category && entries[i].unit->name == unit)
                return static_cast<int>(i);
        return -1;
    };
    form->Text1->setText("1");
    form->List2->setCurrentRow(rowOf("Angle", "min"));
    form->List4->setCurrentRow(rowOf("Angle", "s"));
    EXPECT_EQ(Result(), " 60.000");
    form->List2->setCurrentRow(rowOf("Time", "min"));
    form->List4->setCurrentRow(rowOf("Time", "s"));
    EXPECT_EQ(Result(), " 60.000");
    form->List4->setCurrentRow(rowOf("Angle", "s"));
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(form->Label1->text(), "min (Time) and s (Angle) measure different quantities");
}

TEST_F(CatalogueWindow, DefineShowsTheDefinitionInEveryCategory)
{
    form->Option1[1]->click();
    form->Text1->setText("mil");
    form->Command1->click();
    const QStringList lines = form->Text3->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[1], "  Angle: angular mil, 1/6400 turn = 0.0009817477042 rad");
    EXPECT_EQ(lines[2], "  Length: mil (thou), 0.001 in = 2.54e-05 m");
}

} // namespace
} // namespace corrolab
