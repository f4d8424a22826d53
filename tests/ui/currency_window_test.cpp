#include "temp_folder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <filesystem>
#include <sys/stat.h>

namespace corrolab {
namespace {

using namespace std::chrono;

const std::string kRates = "\"h1\",\"h2\",\"h3\",\"h4\",\"h5\",\"Rates for estimates\"\n"
                           "\"US Dollar\",1\n\"Euro\",0.965\n\"Deutsche Mark\",1.88737595\n"
                           "\"Broken Crown\",abc\n\"Zero Mark\",0\n";

class Currencies : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.folder = folder.path();
    }

    void Dated(const std::filesystem::path& file, int daysFromToday)
    {
        platform.fileDates[file] = year_month_day(sys_days(platform.today) + days(daysFromToday));
    }

    void ChooseCurrencies() { Choose(form->Combo5, "Currencies"); }

    TempFolder folder;
};

TEST_F(Currencies, ConvertInTheWindow)
{
    Dated(folder.Write("Currency.txt", kRates), -1);
    ChooseCurrencies();
    EXPECT_EQ(Items(form->List2),
        (std::vector<std::string> {
            "US Dollar", "Euro", "Deutsche Mark", "Broken Crown", "Zero Mark"}));
    EXPECT_EQ(Items(form->List4), Items(form->List2));
    EXPECT_EQ(form->Label1->text(), "Rates for estimates");
    EXPECT_GE(form->Label1->width(),
        form->Label1->fontMetrics().horizontalAdvance("Rates for estimates"));
    Convert("100", "US Dollar", "Euro");
    EXPECT_EQ(Result(), " 96.500");
    Convert("1", "Euro", "Deutsche Mark");
    EXPECT_EQ(Result(), " 1.955");
    Convert("1", "Broken Crown", "Euro");
    EXPECT_EQ(Result(), "");
    Convert("1", "Euro", "Broken Crown");
    EXPECT_EQ(Result(), "");
    Convert("1", "Euro", "Zero Mark");
    EXPECT_EQ(Result(), "");
    EXPECT_TRUE(platform.dialogs.empty());
    Choose(form->Combo5, "Length");
    EXPECT_EQ(form->Label1->text(), "");
}

// The scientific check box re-shows the last result in each form; back in the
// fixed form it must read as Calculate showed it, rounding allowance included.
TEST_F(Currencies, ScientificToggleKeepsTheCalculatedFigures)
{
    Dated(folder.Write("Currency.txt", kRates), -1);
    ChooseCurrencies();
    Convert("100", "US Dollar", "Euro");
    const std::string calculated = Result();
    ASSERT_EQ(calculated, " 96.500");
    const std::pair<bool, std::string> steps[] = {
        {true, "9.650 x E+01"},
        {false, calculated},
        {true, "9.650 x E+01"},
        {false, calculated},
    };
    for (const auto& [checked, shown] : steps) {
        form->Check1->click();
        ASSERT_EQ(form->Check1->isChecked(), checked);
        EXPECT_EQ(Result(), shown) << "Check1 " << (checked ? "checked" : "cleared");
    }
}

TEST_F(Currencies, TheShippedFileConverts)
{
    std::filesystem::copy_file(
        std::string(CORROLAB_DATA_DIR) + "/Currency.txt", folder.path() / "Currency.txt");
    ChooseCurrencies();
    EXPECT_EQ(form->List2->count(), 49);
    Convert("1", "Euro", "French Franc");
    EXPECT_EQ(Result(), " 6.559");
    Convert("1", "Pound Sterling", "US Dollar");
    EXPECT_NE(Result(), "");
}

TEST_F(Currencies, OldRatesAskOncePerRun)
{
    Dated(folder.Write("Currency.txt", kRates), -31);
    ChooseCurrencies();
    ASSERT_EQ(platform.Count("YesNo"), 1u);
    EXPECT_EQ(platform.dialogs[0].text,
        "Exchange rates in 'Currency.txt' file are 31 days old.\n"
        "Contact author for an update OR edit the 'Currency.txt' file.");
    EXPECT_EQ(form->List2->count(), 5); // "No" goes on reading
    ChooseCurrencies();
    EXPECT_EQ(platform.Count("YesNo"), 1u);
}

TEST_F(Currencies, ThirtyDaysOldDoesNotAskButThirtyOneAheadDoes)
{
    const auto file = folder.Write("Currency.txt", kRates);
    Dated(file, -30);
    ChooseCurrencies();
    EXPECT_EQ(platform.Count("YesNo"), 0u);
    Dated(file, 31);
    ChooseCurrencies();
    EXPECT_EQ(platform.Count("YesNo"), 1u);
}

TEST_F(Currencies, YesThenOkOpensTheWebAddressYesThenCancelReadsNothing)
{
    Dated(folder.Write("Currency.txt", kRates), -40);
    platform.answers = {true, false};
    ChooseCurrencies();
    ASSERT_EQ(platform.Count("OkCancel"), 1u);
    EXPECT_EQ(platform.dialogs[1].icon, Platform::Icon::Information);
    EXPECT_NE(platform.dialogs[1].text.find(folder.path().string()), std::string::npos);
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_EQ(form->List2->count(), 49); // the catalogue's names; the file was not read
    EXPECT_EQ(form->List2->item(0)->text(), "Australian Dollar");

    form.reset();
    form = std::make_unique<Form2>(platform);
    form->show();
    platform.answers = {true, true};
    ChooseCurrencies();
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments[0].rfind("https://", 0), 0u);
    EXPECT_EQ(form->List2->count(), 5);
}

TEST_F(Currencies, MissingFileSaysSoAndAnEmptyCaptionFallsBackToTheProgramDate)
{
    platform.fileDates[platform.programFile] = year_month_day {year(2026), month(12), day(1)};
    ChooseCurrencies();
    EXPECT_EQ(form->List2->count(), 49); // the catalogue's names
    // No date as if rates were loaded: the label says there are none.
    EXPECT_EQ(form->Label1->text(), "No rates file");
    Convert("1", "Euro", "US Dollar");
    EXPECT_EQ(Result(), "");

    folder.Write("Currency.txt", "a,b,c,d,e,\nUS Dollar,1\nEuro,0.5\n");
    ChooseCurrencies();
    EXPECT_EQ(form->Label1->text(), "Dec 2026 Rates");
    std::filesystem::remove(folder.path() / "Currency.txt");
    ChooseCurrencies();
    EXPECT_EQ(form->Label1->text(), "No rates file");
}

TEST_F(Currencies, MixedCaseNamesFoundWhateverTheFileNameCase)
{
    folder.Write("CURRENCY.TXT", "a,b,c,d,e,\nUs Dollar,1\nEURO,0.5\n");
    ChooseCurrencies();
    Convert("3", "Us Dollar", "EURO");
    EXPECT_EQ(Result(), " 1.500");
}

TEST_F(Currencies, HostileFilesNeverCorruptTheLists)
{
    std::string many = "a,b,c,d,e,f\n";
    for (int i = 1; i <= 1000; ++i)
        many += "C" + std::to_string(i) + "," + std::to_string(i) + "\n";
    const std::string cases[] = {
        "",
        std::string("\x00\xff\x01,\xfe\n\x80", 7),
        "a,b,c,d,e,f\r\n\"US Dollar\",1\r\n\"Euro\",0.5",
        "a,b,c,d,e,f\n\"never closes,1\n",
        many,
        "a,b,c,d,e,f\n" + std::string(10 * 1024 * 1024, 'x') + ",1\n",
    };
    for (const std::string& content : cases) {
        folder.Write("Currency.txt", content);
        ChooseCurrencies();
        EXPECT_LE(form->List2->count(), 100);
        EXPECT_EQ(Items(form->List4), Items(form->List2));
        EXPECT_EQ(form->Label1->isVisible(), true);
    }
    EXPECT_EQ(form->List2->count(), 1); // the 10 MB name with its rate
    // Where reading stopped is told once a run: here the quote that never closes.
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].text,
        "Currency.txt line 2: a quote is not closed; no currency is used");
}

TEST_F(Currencies, ReadOnlyFolderIsOnlyRead)
{
    const auto file = folder.Write("Currency.txt", kRates);
    const auto before = std::filesystem::last_write_time(file);
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ChooseCurrencies();
    EXPECT_EQ(form->List2->count(), 5);
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                  std::filesystem::directory_iterator()),
        1);
}

} // namespace
} // namespace corrolab
