#include "currency/rates_command.h"
#include "currency/rates_file_writer.h"
#include "currency/rates_reader.h"
#include "ecb_fixtures.h"
#include "local_http_server.h"
#include "temp_folder.h"
#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>
#include <sstream>

namespace corrolab {
namespace {

using namespace std::chrono;

class RatesCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.folders
            = {{UserFolder(), DataFolderKind::User}, {program.path(), DataFolderKind::Program}};
        settings.today = year_month_day {year(2026), month(12), day(8)};
        settings.limits.timeoutMs = 2000;
        settings.fetchProgram = CORROLAB_FETCH_EXE;
        std::filesystem::copy_file(std::filesystem::path(CORROLAB_DATA_DIR) / "Currency.txt",
            program.path() / "Currency.txt");
    }

    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        return RunRatesCommand(args, out, err, settings);
    }

    std::filesystem::path UserFolder() const { return data.path() / "corrolab"; }
    std::filesystem::path Written() const { return UserFolder() / "Currency.txt"; }

    TempFolder program;
    TempFolder data;
    RatesCommandSettings settings;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(RatesCommand, ImportsEachShapeIntoTheDataFolder)
{
    const std::string csv = EcbFixtureText("eurofxref.csv");
    const std::pair<const char*, std::string> cases[] = {
        {"eurofxref-daily.xml", EcbFixtureText("eurofxref-daily.xml")},
        {"eurofxref-hist-90d.xml", EcbFixtureText("eurofxref-hist-90d.xml")},
        {"eurofxref.csv", csv},
        {"eurofxref.zip", ZipOf({{"eurofxref.csv", csv}})},
    };
    for (const auto& [name, content] : cases) {
        std::filesystem::remove_all(UserFolder());
        const auto file = data.Write(name, content);
        ASSERT_EQ(Run({"import", file.string()}), 0) << name << ": " << err.str();
        EXPECT_NE(out.str().find("Updated 30 currencies, kept 19, added 0."), std::string::npos)
            << name << ": " << out.str();
        const RatesFile written = ParseRatesFile(ReadWhole(Written()));
        EXPECT_EQ(written.caption, "ECB 22 Jan 2025 Rates") << name;
        EXPECT_EQ(written.currencies.size(), 49u) << name;
        // The program folder's file is the one in use before: it stays as it was.
        EXPECT_EQ(ReadWhole(program.path() / "Currency.txt"),
            ReadWhole(std::filesystem::path(CORROLAB_DATA_DIR) / "Currency.txt"));
    }
}

TEST_F(RatesCommand, KeepsThePreviousFileAsBak)
{
    const auto daily = EcbFixture("eurofxref-daily.xml").string();
    ASSERT_EQ(Run({"import", daily}), 0) << err.str();
    const std::string first = ReadWhole(Written());
    const auto csv = data.Write("rates.csv", "Date, USD, JPY\n23 January 2025, 1.05, 160\n");
    ASSERT_EQ(Run({"import", csv.string()}), 0) << err.str();
    EXPECT_EQ(ReadWhole(UserFolder() / "Currency.txt.bak"), first);
    EXPECT_EQ(ParseRatesFile(ReadWhole(Written())).caption, "ECB 23 Jan 2025 Rates");
    // Only the file and its backup: no temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(UserFolder()),
                  std::filesystem::directory_iterator()),
        2);
}

TEST_F(RatesCommand, BadInputLeavesTheFileInUseUntouched)
{
    ASSERT_EQ(Run({"import", EcbFixture("eurofxref-daily.xml").string()}), 0) << err.str();
    const std::string before = ReadWhole(Written());
    const std::string zip = ZipOf({{"eurofxref.csv", EcbFixtureText("eurofxref.csv")}});
    const auto huge = data.path() / "huge.xml";
    std::filesystem::resize_file(data.Write("huge.xml", "<"), 100 * 1024 * 1024);
    const std::pair<std::string, const char*> cases[] = {
        {EcbFixture("other-columns.csv").string(), "currency columns"},
        {data.Write("empty.zip", "").string(), "empty"},
        {data.Write("cut.zip", zip.substr(0, zip.size() / 2)).string(), "truncated"},
        {huge.string(), "too large"},
        {data.Write("future.csv", "Date, USD\n1 January 2027, 1.05\n").string(), "after today"},
        {(data.path() / "absent.xml").string(), "cannot be read"},
    };
    for (const auto& [file, message] : cases) {
        EXPECT_EQ(Run({"import", file}), 1) << file;
        EXPECT_NE(err.str().find(message), std::string::npos) << file << ": " << err.str();
        EXPECT_EQ(ReadWhole(Written()), before) << file;
    }
}

TEST_F(RatesCommand, WrongUsage)
{
    for (const std::vector<std::string>& args : {std::vector<std::string> {}, {"import"},
             {"update", "--url"}, {"fetch"}, {"update", "--mirror", "x"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_NE(err.str().find("Usage: corrolab rates"), std::string::npos);
    }
}

TEST_F(RatesCommand, AFailingWriteLeavesTheOldFileIntact)
{
    ASSERT_EQ(Run({"import", EcbFixture("eurofxref-daily.xml").string()}), 0) << err.str();
    const std::string before = ReadWhole(Written());
    // Files may grow to 100 bytes only: the new file cannot be written whole.
    const auto failure = [this] {
        const FileSizeLimit limit(100);
        return ReplaceRatesFile(UserFolder(), std::string(5000, 'x'));
    }();
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("cannot be written"), std::string::npos) << *failure;
    EXPECT_EQ(ReadWhole(Written()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(UserFolder()),
                  std::filesystem::directory_iterator()),
        1);

    // A backup that cannot be made stops the replacement too.
    std::filesystem::create_directories(UserFolder() / "Currency.txt.bak" / "in-the-way");
    const auto blocked = ReplaceRatesFile(UserFolder(), "new");
    ASSERT_TRUE(blocked.has_value());
    EXPECT_EQ(ReadWhole(Written()), before);
}

TEST_F(RatesCommand, TheNewFileIsTheOneInUse)
{
    EXPECT_EQ(
        FindDataFile(settings.folders, kRatesFileName)->file, program.path() / "Currency.txt");
    ASSERT_EQ(Run({"import", EcbFixture("eurofxref.csv").string()}), 0) << err.str();
    EXPECT_EQ(FindDataFile(settings.folders, kRatesFileName)->file, Written());
    // Without a user data folder nothing is written.
    settings.folders = {{program.path(), DataFolderKind::Program}};
    EXPECT_EQ(Run({"import", EcbFixture("eurofxref.csv").string()}), 1);
    EXPECT_NE(err.str().find("no user data folder"), std::string::npos) << err.str();
}

struct UpdateCase
{
    const char* path;
    int status;
    const char* message; // in the output (success) or the error (failure)
    long timeoutMs = 10000; // generous, so that a busy machine does not fail a good row
};

TEST_F(RatesCommand, UpdateAgainstALocalServer)
{
    LocalHttpServer server({
        {"/daily.xml", {200, EcbFixtureText("eurofxref-daily.xml")}},
        {"/moved", {302, "", "/daily.xml"}},
        {"/loop", {302, "", "/loop"}},
        {"/page.html", {200, "<html><body>Euro foreign exchange reference rates</body></html>"}},
        {"/error", {500, "oops"}},
        {"/slow.xml", {200, EcbFixtureText("eurofxref-daily.xml"), "", true}},
    });
    const UpdateCase cases[] = {
        {"/daily.xml", 0, "Updated 30 currencies"},
        {"/moved", 0, "Updated 30 currencies"},
        {"/missing.xml", 1, "status 404"},
        {"/error", 1, "status 500"},
        {"/loop", 1, "redirects in a loop"},
        {"/page.html", 1, "not an ECB rates file"},
        {"/slow.xml", 1, "no complete answer within 300 ms", 300},
    };
    std::string before;
    for (const UpdateCase& row : cases) {
        settings.limits.timeoutMs = row.timeoutMs;
        const int status = Run({"update", "--url", server.Url(row.path)});
        EXPECT_EQ(status, row.status) << row.path << ": " << err.str();
        const std::string text = row.status == 0 ? out.str() : err.str();
        EXPECT_NE(text.find(row.message), std::string::npos) << row.path << ": " << text;
        if (row.status == 0)
            before = ReadWhole(Written());
        else
            EXPECT_EQ(ReadWhole(Written()), before) << row.path;
    }
    EXPECT_EQ(Run({"update", "--url", "http://127.0.0.1:1/none"}), 1);
    EXPECT_NE(err.str().find("could not be downloaded"), std::string::npos) << err.str();
}

} // namespace
} // namespace corrolab
