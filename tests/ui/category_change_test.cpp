// Choosing a category, through either control and in either mode: what the unit
// lists, the unit boxes, the listing and the window's place show afterwards.
#include "temp_folder.h"
#include "window_fixture.h"

#include "catalogue/unit_catalogue.h"

#include <QApplication>
#include <QRadioButton>
#include <QScreen>
#include <sstream>

namespace corrolab {
namespace {

// A rates file whose first currency is not the catalogue's first one.
const std::string kRates = "\"h1\",\"h2\",\"h3\",\"h4\",\"h5\",\"Jan 2025 Rates\"\n"
                           "\"US Dollar\",1\n\"Euro\",0.965\n\"Yen\",150\n";

class CategoryChange : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.folder = folder.path();
    }

    // Chooses a category as a user does, in the category list or the chooser.
    void ChooseThrough(const std::string& control, const char* category)
    {
        if (control == "List1")
            Pick(form->List1, category);
        else
            Choose(form->Combo5, category);
    }

    TempFolder folder;
};

// Whichever control changed the category, both unit lists hold the same entries,
// both first rows are selected and the unit boxes name them.
TEST_F(CategoryChange, BothUnitListsAgreeWithTheirBoxes)
{
    struct Row
    {
        const char* control;
        const char* category;
        bool ratesFile;
        const char* firstUnit; // nullptr: whatever the list holds first
    };
    const Row rows[] = {
        {"Combo5", "Length", false, nullptr},
        {"Combo5", "Currencies", false, nullptr},
        {"Combo5", "Currencies", true, "US Dollar"},
        {"Combo5", "Temperature", true, nullptr},
        {"List1", "Currencies", true, "US Dollar"},
        {"List1", "Length", true, "micro_amp/cm^2"},
        {"List1", "Currencies", false, "micro_amp/cm^2"},
        {"List1", "Temperature", false, "micro_amp/cm^2"},
        {"Combo5", "Currencies", true, "US Dollar"},
        {"List1", "Currencies", true, "US Dollar"},
    };
    const std::filesystem::path rates = folder.path() / "Currency.txt";
    for (const Row& row : rows) {
        const std::string where = std::string(row.control) + " " + row.category
            + (row.ratesFile ? " with rates" : " without rates");
        std::filesystem::remove(rates);
        if (row.ratesFile)
            folder.Write("Currency.txt", kRates);
        // Start from another category, so that the choice is a change.
        Choose(form->Combo5, "Corrosion rate");
        ChooseThrough(row.control, row.category);
        ASSERT_GT(form->List2->count(), 0) << where;
        EXPECT_EQ(Items(form->List4), Items(form->List2)) << where;
        EXPECT_EQ(form->List2->currentRow(), 0) << where;
        EXPECT_EQ(form->List4->currentRow(), 0) << where;
        EXPECT_EQ(form->Text2->text(), form->List2->item(0)->text()) << where;
        EXPECT_EQ(form->Text4->text(), form->List4->item(0)->text()) << where;
        if (row.firstUnit) {
            EXPECT_EQ(form->List2->item(0)->text().toStdString(), row.firstUnit) << where;
        }
    }
}

// In the Dictionary, choosing a category in the category list shows its listing
// and keeps it.
TEST_F(CategoryChange, DictionaryListingStaysAfterTheCategoryList)
{
    form->Option1[1]->click();
    ASSERT_TRUE(form->DictionaryMode());
    for (const char* category : {"Temperature", "Length", "Currencies", "Temperature"}) {
        const std::vector<std::string_view> units = UnitsForSelection(category);
        ASSERT_FALSE(units.empty()) << category;
        Pick(form->List1, category);
        EXPECT_EQ(form->Combo1->currentText().toStdString(), category);
        // One line a unit, each opening with the unit's name.
        std::istringstream listing(Result());
        size_t row = 0;
        for (std::string line; std::getline(listing, line); ++row) {
            ASSERT_LT(row, units.size()) << category << ": " << line;
            EXPECT_EQ(line.substr(0, units[row].size()), units[row]) << category;
        }
        EXPECT_EQ(row, units.size()) << category;
    }
}

// The window opens centred across the screen and a fifth of the way down. The
// window system's borders may only be known once the window shows, so the
// centre may be off by at most their width.
TEST_F(CategoryChange, WindowOpensCentred)
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QRect frame = form->frameGeometry();
    const int borders = frame.width() - form->width();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), borders)
        << "screen " << screen.width() << " px, window " << frame.width() << " px at x "
        << frame.x();
    EXPECT_EQ(frame.y(), screen.top() + static_cast<int>(screen.height() * 0.2));
}

} // namespace
} // namespace corrolab
