#include "base/lenient_number.h"
#include "ecb_fixtures.h"
#include "fetch/ui/web_download.h"
#include "local_http_server.h"
#include "temp_folder.h"
#include "tests/support/file_size_limit.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QTimer>
#include <sys/stat.h>

namespace corrolab {
namespace {

using namespace std::chrono;

const std::string kOldRates = "\"h1\",\"h2\",\"h3\",\"h4\",\"h5\",\"Dec 2024 Rates\"\n"
                              "\"US Dollar\",1\n\"Euro\",0.965\n\"Broken Crown\",abc\n";

class RatesImportWindow : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.folder = program.path();
        platform.userFolder = data.path() / "corrolab";
        // The shipped rates, as of a month before the ECB files the tests import.
        std::string shipped = ReadWhole(std::filesystem::path(CORROLAB_DATA_DIR) / "Currency.txt");
        const size_t caption = shipped.find("\"Jan 2025 Rates\"");
        ASSERT_NE(caption, std::string::npos);
        shipped.replace(caption + 1, 8, "Dec 2024");
        program.Write("Currency.txt", shipped);
    }

    void ChooseCurrencies() { Choose(form->Combo5, "Currencies"); }

    std::optional<double> Factor(const std::string& key) const
    {
        for (int unit = 1; unit <= 100; ++unit)
            if (form->unitTable.Name(unit, kCurrencyCategory) == key)
                return form->unitTable.Factor(unit, kCurrencyCategory);
        return std::nullopt;
    }

    std::filesystem::path Written() const { return platform.userFolder / "Currency.txt"; }
    std::string LastTell() const
    {
        for (auto dialog = platform.dialogs.rbegin(); dialog != platform.dialogs.rend(); ++dialog)
            if (dialog->kind == "Tell")
                return dialog->text;
        return {};
    }

    TempFolder program;
    TempFolder data;
};

TEST_F(RatesImportWindow, ImportFromTheMenuIsUsedAtOnce)
{
    const std::string csv = EcbFixtureText("eurofxref.csv");
    const std::pair<const char*, std::filesystem::path> cases[] = {
        {"daily XML", EcbFixture("eurofxref-daily.xml")},
        {"90-day XML", EcbFixture("eurofxref-hist-90d.xml")},
        {"CSV", EcbFixture("eurofxref.csv")},
        {"zip", data.Write("eurofxref.zip", ZipOf({{"eurofxref.csv", csv}}))},
    };
    for (const auto& [name, file] : cases) {
        std::filesystem::remove_all(platform.userFolder);
        ChooseCurrencies();
        ASSERT_EQ(form->Label1->text(), "Dec 2024 Rates") << name;
        platform.chosenFiles = {file};
        platform.dialogs.clear();
        form->menu.mnuImportRates->trigger();
        // State: the lists, the table and the label show the new file without a restart.
        EXPECT_EQ(form->Label1->text(), "ECB 22 Jan 2025 Rates") << name;
        EXPECT_EQ(form->List2->count(), 49) << name;
        ASSERT_TRUE(Factor("EURO").has_value()) << name;
        EXPECT_NEAR(*Factor("EURO"), 1 / 1.0412, 1e-9) << name;
        EXPECT_NEAR(*Factor("JAPANESE YEN"), 162.63 / 1.0412, 1e-6) << name;
        ASSERT_EQ(platform.Count("Tell"), 1u) << name;
        EXPECT_EQ(platform.dialogs.back().icon, Platform::Icon::Information);
        EXPECT_NE(LastTell().find("Updated 30 currencies, kept 19, added 0."), std::string::npos)
            << name << ": " << LastTell();
        EXPECT_TRUE(std::filesystem::exists(Written())) << name;
    }
}

TEST_F(RatesImportWindow, ASecondImportKeepsTheFirstAsBak)
{
    platform.chosenFiles = {EcbFixture("eurofxref-daily.xml"),
        data.Write("next.csv", "Date, USD, JPY\n23 January 2025, 1.05, 160\n")};
    form->menu.mnuImportRates->trigger();
    const std::string first = ReadWhole(Written());
    form->menu.mnuImportRates->trigger();
    EXPECT_EQ(ReadWhole(platform.userFolder / "Currency.txt.bak"), first);
    ChooseCurrencies();
    EXPECT_EQ(form->Label1->text(), "ECB 23 Jan 2025 Rates");
}

TEST_F(RatesImportWindow, WritesWithTheCommandLinesWriter)
{
    platform.chosenFiles = {EcbFixture("eurofxref-daily.xml"),
        data.Write("next.csv", "Date, USD, JPY\n23 January 2025, 1.05, 160\n")};
    form->menu.mnuImportRates->trigger();
    // A file kept private, and a link where the backup goes.
    ASSERT_EQ(::chmod(Written().c_str(), 0600), 0);
    const auto precious = data.Write("precious.txt", "keep me");
    std::filesystem::remove(platform.userFolder / "Currency.txt.bak");
    std::filesystem::create_symlink(precious, platform.userFolder / "Currency.txt.bak");
    form->menu.mnuImportRates->trigger();
    EXPECT_EQ(ReadWhole(precious), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(platform.userFolder / "Currency.txt.bak"));
    EXPECT_EQ(std::filesystem::status(Written()).permissions(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_NE(LastTell().find("ECB 23 Jan 2025 Rates"), std::string::npos) << LastTell();
}

TEST_F(RatesImportWindow, MessagesShowFileTextsEscapedAndShort)
{
    const std::pair<const char*, std::string> cases[] = {
        {"escape sequences", "Date, \x1B]0;owned\x07\x1B[2J\n2025-01-22, 1\n"},
        {"a 2 MB header cell", "Date, " + std::string(2'000'000, 'Q') + "\n2025-01-22, 1\n"},
    };
    for (const auto& [name, content] : cases) {
        platform.chosenFiles = {data.Write("ecb.csv", content)};
        platform.dialogs.clear();
        form->menu.mnuImportRates->trigger();
        const std::string told = LastTell();
        EXPECT_LT(told.size(), 1200u) << name;
        for (const char c : told)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << name;
    }
}

TEST_F(RatesImportWindow, AReImportKeepsTheChosenPair)
{
    ChooseCurrencies();
    Pick(form->List2, "Japanese Yen");
    Pick(form->List4, "Pound Sterling");
    ASSERT_EQ(form->Text2->text(), "Japanese Yen");
    platform.chosenFiles = {EcbFixture("eurofxref-daily.xml")};
    form->menu.mnuImportRates->trigger();
    ASSERT_EQ(form->Label1->text(), "ECB 22 Jan 2025 Rates");
    EXPECT_EQ(form->List2->currentItem()->text(), "Japanese Yen");
    EXPECT_EQ(form->List4->currentItem()->text(), "Pound Sterling");
    EXPECT_EQ(form->Text2->text(), "Japanese Yen");
    EXPECT_EQ(form->Text4->text(), "Pound Sterling");
    // The result is of the kept pair: 1 yen in pounds at the new rates.
    EXPECT_FALSE(Result().empty());
    EXPECT_NEAR(LenientValueOrZero(Result()), 0.84425 / 162.63, 1e-6);
}

TEST_F(RatesImportWindow, BadFilesLeaveTheRatesInUse)
{
    const std::string zip = ZipOf({{"eurofxref.csv", EcbFixtureText("eurofxref.csv")}});
    const std::pair<std::filesystem::path, const char*> cases[] = {
        {EcbFixture("other-columns.csv"), "currency columns"},
        {data.Write("cut.zip", zip.substr(0, zip.size() / 3)), "truncated"},
        {data.Write("empty.xml", ""), "empty"},
        {data.Write("future.csv", "Date, USD\n9 December 2026, 1.05\n"), "after today"},
        {data.path() / "absent.xml", "cannot be read"},
        {[&] {
             const auto huge = data.Write("huge.zip", "PK");
             std::filesystem::resize_file(huge, 100 * 1024 * 1024);
             return huge;
         }(),
            "too large"},
    };
    ChooseCurrencies();
    for (const auto& [file, message] : cases) {
        platform.dialogs.clear();
        platform.chosenFiles = {file};
        form->menu.mnuImportRates->trigger();
        ASSERT_EQ(platform.Count("Tell"), 1u) << file;
        EXPECT_EQ(platform.dialogs.back().icon, Platform::Icon::Warning) << file;
        EXPECT_NE(LastTell().find(message), std::string::npos) << file << ": " << LastTell();
        EXPECT_NE(LastTell().find("The rates file in use is untouched."), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(platform.userFolder)) << file;
        EXPECT_EQ(form->Label1->text(), "Dec 2024 Rates") << file;
    }
    // Cancelling the file dialog does nothing.
    platform.dialogs.clear();
    form->menu.mnuImportRates->trigger();
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(RatesImportWindow, AFailingWriteLeavesTheOldFile)
{
    platform.chosenFiles = {EcbFixture("eurofxref-daily.xml")};
    form->menu.mnuImportRates->trigger();
    const std::string before = ReadWhole(Written());

    // Files may grow to 100 bytes only: the new file cannot be written whole.
    {
        const FileSizeLimit limit(100);
        platform.chosenFiles = {EcbFixture("eurofxref.csv")};
        std::filesystem::remove(platform.userFolder / "Currency.txt.bak");
        platform.dialogs.clear();
        form->menu.mnuImportRates->trigger();
    }

    EXPECT_NE(LastTell().find("cannot"), std::string::npos) << LastTell();
    EXPECT_EQ(ReadWhole(Written()), before);

    // A data folder that cannot be made.
    std::filesystem::remove_all(platform.userFolder);
    data.Write("corrolab", "a file where the folder should be");
    platform.chosenFiles = {EcbFixture("eurofxref.csv")};
    form->menu.mnuImportRates->trigger();
    EXPECT_NE(LastTell().find("cannot be created"), std::string::npos) << LastTell();
}

TEST_F(RatesImportWindow, UpdateNowDownloadsTheDailyFile)
{
    ChooseCurrencies();
    struct Case
    {
        const char* name;
        DownloadResult download;
        const char* message;
        const char* label;
    };
    const Case cases[] = {
        {"off-line", {false, "", "Host not found"}, "Host not found", "Dec 2024 Rates"},
        {"not found", {false, "", "the server answered with status 404"}, "status 404",
            "Dec 2024 Rates"},
        {"a web page", {true, "<html><body>Rates</body></html>", ""}, "not an ECB rates file",
            "Dec 2024 Rates"},
        {"the daily XML", {true, EcbFixtureText("eurofxref-daily.xml"), ""}, "Updated 30",
            "ECB 22 Jan 2025 Rates"},
    };
    for (const Case& row : cases) {
        platform.downloads = {row.download};
        platform.downloadedUrls.clear();
        form->menu.mnuUpdateRates->trigger();
        ASSERT_EQ(platform.downloadedUrls.size(), 1u) << row.name;
        EXPECT_EQ(platform.downloadedUrls[0].rfind("https://www.ecb.europa.eu/", 0), 0u);
        EXPECT_NE(LastTell().find(row.message), std::string::npos)
            << row.name << ": " << LastTell();
        EXPECT_EQ(form->Label1->text(), row.label) << row.name;
    }
}

TEST_F(RatesImportWindow, OldRatesYesOffersTheUpdateFirst)
{
    std::filesystem::remove(program.path() / "Currency.txt");
    const auto file = program.Write("Currency.txt", kOldRates);
    platform.fileDates[file] = year_month_day(sys_days(platform.today) - days(40));
    platform.answers = {true};
    platform.downloads = {{true, EcbFixtureText("eurofxref-daily.xml"), ""}};
    ChooseCurrencies();
    EXPECT_EQ(platform.downloadedUrls.size(), 1u);
    EXPECT_EQ(platform.Count("OkCancel"), 0u);
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_EQ(form->Label1->text(), "ECB 22 Jan 2025 Rates");
    // The old file's own currencies stay, with the published ones added.
    EXPECT_EQ(form->List2->item(0)->text(), "US Dollar");
    EXPECT_EQ(form->List2->item(2)->text(), "Broken Crown");
    EXPECT_EQ(form->List2->count(), 31);

    // When the update fails, the page is offered with the reason.
    form.reset();
    std::filesystem::remove_all(platform.userFolder);
    form = std::make_unique<Form2>(platform);
    form->show();
    platform.dialogs.clear();
    platform.answers = {true, true};
    ChooseCurrencies();
    ASSERT_EQ(platform.Count("OkCancel"), 1u);
    const std::string offer = platform.dialogs[1].text;
    EXPECT_NE(offer.find("Host not found"), std::string::npos) << offer;
    EXPECT_NE(offer.find(program.path().string()), std::string::npos) << offer;
    EXPECT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(form->List2->count(), 3);

    // After the page, a file saved from it is imported and used at once.
    form.reset();
    form = std::make_unique<Form2>(platform);
    form->show();
    platform.dialogs.clear();
    platform.answers = {true, true, true};
    platform.chosenFiles = {EcbFixture("eurofxref.csv")};
    ChooseCurrencies();
    ASSERT_EQ(platform.Count("YesNo"), 2u);
    EXPECT_EQ(platform.dialogs[2].text, std::string(kImportSavedRatesQuestion));
    EXPECT_EQ(form->Label1->text(), "ECB 22 Jan 2025 Rates");
    EXPECT_EQ(form->List2->count(), 31);
    EXPECT_TRUE(platform.chosenFiles.empty());
}

TEST_F(RatesImportWindow, OlderRatesAskBeforeTheyReplaceNewerOnes)
{
    std::filesystem::remove(program.path() / "Currency.txt");
    const std::string fresh = "\"h1\",\"h2\",\"h3\",\"h4\",\"h5\",\"ECB 1 Dec 2026 Rates\"\n"
                              "\"US Dollar\",1\n\"Euro\",0.95\n";
    program.Write("Currency.txt", fresh);
    const std::string question = "The file holds rates of 22 Jan 2025; the rates in use are of "
                                 "1 Dec 2026. Replace them?";
    for (const bool replace : {false, true}) {
        ChooseCurrencies();
        platform.dialogs.clear();
        platform.answers = {replace};
        platform.chosenFiles = {EcbFixture("eurofxref-daily.xml")};
        form->menu.mnuImportRates->trigger();
        // The question comes first and alone: the old rates, once taken, raise no
        // age question inside the import's own message.
        ASSERT_GE(platform.dialogs.size(), 1u) << replace;
        EXPECT_EQ(platform.dialogs[0].kind, "YesNo") << replace;
        EXPECT_EQ(platform.dialogs[0].text, question) << replace;
        EXPECT_EQ(platform.Count("YesNo"), 1u) << replace;
        EXPECT_EQ(platform.Count("Tell"), replace ? 1u : 0u) << replace;
        EXPECT_EQ(form->Label1->text(), replace ? "ECB 22 Jan 2025 Rates" : "ECB 1 Dec 2026 Rates");
        EXPECT_EQ(std::filesystem::exists(Written()), replace);
    }
    ChooseCurrencies();
    EXPECT_EQ(platform.Count("YesNo"), 1u);
}

TEST_F(RatesImportWindow, AnEcbFileSavedAsTheRatesFileIsImported)
{
    // The shipped file, in a later folder, gives the currencies the ECB leaves out.
    TempFolder shipped;
    std::filesystem::copy_file(program.path() / "Currency.txt", shipped.path() / "Currency.txt");
    platform.sharedFolders = {{shipped.path(), DataFolderKind::Installed}};
    for (const char* saved : {"eurofxref-daily.xml", "eurofxref.csv"}) {
        form.reset();
        std::filesystem::remove(program.path() / "Currency.txt.bak");
        const std::string ecb = EcbFixtureText(saved);
        program.Write("Currency.txt", ecb);
        form = std::make_unique<Form2>(platform);
        form->show();
        platform.dialogs.clear();
        ChooseCurrencies();
        EXPECT_EQ(form->Label1->text(), "ECB 22 Jan 2025 Rates") << saved;
        EXPECT_EQ(form->List2->count(), 49) << saved;
        EXPECT_EQ(ReadWhole(program.path() / "Currency.txt.bak"), ecb) << saved;
        const std::string written = ReadWhole(program.path() / "Currency.txt");
        EXPECT_NE(written.find("\"ECB 22 Jan 2025 Rates\""), std::string::npos) << saved;
        EXPECT_FALSE(std::filesystem::exists(Written())) << saved;
        ASSERT_EQ(platform.Count("Tell"), 1u) << saved;
        EXPECT_EQ(platform.dialogs.back().icon, Platform::Icon::Information) << saved;
        EXPECT_EQ(platform.Count("YesNo"), 0u) << saved;
    }
}

struct AgeCase
{
    const char* caption;
    int fileAgeDays;
    bool asks;
};

TEST_F(RatesImportWindow, TheAgeIsTheCaptionsDateWhenItNamesOne)
{
    const AgeCase cases[] = {
        {"ECB 22 Jan 2025 Rates", 1, true}, // an old file copied yesterday
        {"ECB 1 Dec 2026 Rates", 100, false}, // fresh rates in a file touched long ago
        {"Jan 2025 Rates", 1, true}, // a month alone: its last day, 23 months ago
        {"Nov 2026 Rates", 100, false}, // 30 Nov 2026, 8 days before today
        {"Oct 2026 Rates", 1, true}, // 31 Oct 2026, 38 days
    };
    for (const AgeCase& row : cases) {
        form.reset();
        form = std::make_unique<Form2>(platform);
        form->show();
        platform.dialogs.clear();
        const auto file = program.Write(
            "Currency.txt", "a,b,c,d,e,\"" + std::string(row.caption) + "\"\n\"US Dollar\",1\n");
        const auto fileDate = year_month_day(sys_days(platform.today) - days(row.fileAgeDays));
        platform.fileDates[file] = fileDate;
        ChooseCurrencies();
        EXPECT_EQ(platform.Count("YesNo"), row.asks ? 1u : 0u) << row.caption;
        if (row.asks) {
            const auto date = RatesDate(row.caption, fileDate);
            EXPECT_EQ(platform.dialogs[0].text, OldRatesQuestion(AgeInDays(*date, platform.today)))
                << row.caption;
        }
    }
}

TEST_F(RatesImportWindow, AShiftedFileIsReportedOnceWithItsLine)
{
    const auto file = program.Write("Currency.txt",
        "\xEF\xBB\xBF\"Rates, for estimates\",b,c,d,e,\"Jan 2025 Rates\"\n\"US Dollar\",1\n"
        "\"Euro\",0,965\n\"Yen\",156\n");
    ChooseCurrencies();
    EXPECT_EQ(Items(form->List2), std::vector<std::string> {"US Dollar"});
    EXPECT_EQ(form->Label1->text(), "Jan 2025 Rates");
    ASSERT_EQ(platform.Count("Tell"), 1u);
    EXPECT_EQ(LastTell(), RatesStopNote(file, ParseRatesFile(ReadWhole(file))));
    EXPECT_TRUE(LastTell().starts_with("Currency.txt line 3: ")) << LastTell();
    ChooseCurrencies();
    EXPECT_EQ(platform.Count("Tell"), 1u);
}

struct DownloadCase
{
    const char* path;
    bool ok;
    const char* error;
};

TEST(WebDownload, AgainstALocalServer)
{
    const std::string daily = EcbFixtureText("eurofxref-daily.xml");
    LocalHttpServer server({
        {"/daily.xml", {200, daily}},
        {"/moved", {301, "", "/daily.xml"}},
        {"/loop", {302, "", "/loop"}},
        {"/error", {503, "busy"}},
    });
    const DownloadCase cases[] = {
        {"/daily.xml", true, ""},
        {"/moved", true, ""},
        {"/absent.xml", false, "the server answered with status 404"},
        {"/error", false, "the server answered with status 503"},
        {"/loop", false, "the server redirects in a loop"},
    };
    for (const DownloadCase& row : cases) {
        const DownloadResult result
            = DownloadWithProgress(nullptr, QString::fromStdString(server.Url(row.path)));
        EXPECT_EQ(result.ok, row.ok) << row.path << ": " << result.error;
        EXPECT_EQ(result.error, row.error) << row.path;
        EXPECT_EQ(result.body, row.ok ? daily : std::string()) << row.path;
    }
    EXPECT_FALSE(DownloadWithProgress(nullptr, "ftp://127.0.0.1/x").ok);
    const auto refused = DownloadWithProgress(nullptr, "http://127.0.0.1:1/x");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.empty());
}

TEST(WebDownload, ASlowAnswerTimesOutAndCancelStops)
{
    LocalHttpServer server({{"/slow.xml", {200, EcbFixtureText("eurofxref-daily.xml"), "", true}}});
    WebDownloadLimits limits;
    limits.timeout = milliseconds(300);
    const DownloadResult late
        = DownloadWithProgress(nullptr, QString::fromStdString(server.Url("/slow.xml")), limits);
    EXPECT_FALSE(late.ok);
    EXPECT_EQ(late.error, "no complete answer within 300 ms");

    // The user presses Cancel on the progress dialog.
    LocalHttpServer again({{"/slow.xml", {200, EcbFixtureText("eurofxref-daily.xml"), "", true}}});
    QWidget owner;
    owner.show();
    limits.timeout = milliseconds(5000);
    bool ownerTookInput = true;
    bool cancelUsable = false;
    QTimer::singleShot(100, &owner, [&] {
        ownerTookInput = owner.isEnabled();
        if (auto* progress = owner.findChild<QProgressDialog*>()) {
            auto* cancel = progress->findChild<QPushButton*>();
            cancelUsable = progress->isVisible() && cancel && cancel->isEnabled();
            if (cancel)
                cancel->click();
        }
    });
    const DownloadResult cancelled
        = DownloadWithProgress(&owner, QString::fromStdString(again.Url("/slow.xml")), limits);
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(cancelled.error, "Cancelled");
    EXPECT_FALSE(ownerTookInput);
    EXPECT_TRUE(cancelUsable);
    EXPECT_TRUE(owner.isEnabled());
}

} // namespace
} // namespace corrolab
