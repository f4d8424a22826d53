// The command line given hostile input: bounded lines, no input dropped, texts
// of files and servers on one escaped line, each stop of the rates file told,
// and each refusal blaming what is wrong.
#include "calculators/coupon_table.h"
#include "calculators/material_lookup.h"
#include "cli/command_line.h"
#include "currency/rates_command.h"
#include "ecb_fixtures.h"
#include "temp_folder.h"
#include "tests/support/in_process_command_line.h"

#include <cmath>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <streambuf>

namespace corrolab {
namespace {

const std::string kHeader = "\"a\",\"b\",\"c\",\"d\",\"e\",\"Jan 2025 Rates\"\n";

bool HasControlBytesBesidesLineEnds(const std::string& text)
{
    for (const char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f)
            return true;
    return false;
}

// Gives some lines, then fails the way a stream does when memory runs out.
class FailingBuffer : public std::streambuf
{
public:
    explicit FailingBuffer(std::string lines)
        : lines_(std::move(lines))
    {
        setg(lines_.data(), lines_.data(), lines_.data() + lines_.size());
    }

protected:
    int_type underflow() override { throw std::bad_alloc(); }

private:
    std::string lines_;
};

TEST(HostileCommandLine, ConvertFromStandardInputNeverDropsInput)
{
    const TempFolder folder;
    // A line longer than any number is an error naming the line.
    const auto long_line = RunCommandLineInProcess({"convert", "-", "mm/year", "mpy"},
        "1\n" + std::string(100000, '7') + "\n3\n", folder.path());
    EXPECT_EQ(long_line.status, 1);
    EXPECT_NE(long_line.err.find("line 2"), std::string::npos) << long_line.err;
    EXPECT_LT(long_line.err.size(), 400u);
    EXPECT_EQ(long_line.out, "39.370\n");

    // A stream that fails midway is an error, not the end of the input.
    FailingBuffer buffer("1\n2\n");
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"convert", "-", "mm/year", "mpy"}, in, out, err, folder.path()), 1);
    EXPECT_EQ(out.str(), "39.370\n78.740\n");
    EXPECT_NE(err.str().find("standard input"), std::string::npos) << err.str();
}

// Input that arrives a line at a time, as from a user typing: before each new
// line is handed over, the results so far must already be written.
class TypedLines : public std::streambuf
{
public:
    TypedLines(std::vector<std::string> lines, const std::ostringstream& out)
        : lines_(std::move(lines))
        , out_(out)
    { }

    std::vector<std::string> seenBeforeEachLine;

protected:
    int_type underflow() override
    {
        if (next_ == lines_.size())
            return traits_type::eof();
        seenBeforeEachLine.push_back(out_.str());
        current_ = lines_[next_++];
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(current_.front());
    }
    std::streamsize showmanyc() override { return 0; } // nothing more without waiting

private:
    std::vector<std::string> lines_;
    std::string current_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

TEST(HostileCommandLine, ConvertFromStandardInputAnswersEachTypedLineAtOnce)
{
    const TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    TypedLines typed({"1\n", "2\n", "3"}, out);
    std::istream in(&typed);
    EXPECT_EQ(RunCommandLine({"convert", "-", "mm/year", "mpy"}, in, out, err, folder.path()), 0);
    EXPECT_EQ(
        typed.seenBeforeEachLine, (std::vector<std::string> {"", "39.370\n", "39.370\n78.740\n"}));
    EXPECT_EQ(out.str(), "39.370\n78.740\n118.110\n");
}

TEST(HostileCommandLine, ConvertFromStandardInputReadsLinesAcrossItsBlocks)
{
    // 30,000 lines (about 200 kB) cross the reading blocks at every place in a
    // line; each result is the one value's own.
    const TempFolder folder;
    std::string input;
    std::string expected;
    for (int k = 0; k < 30000; ++k) {
        const std::string value = std::to_string(k % 997) + "." + std::to_string(k % 13);
        input += value + (k % 5 == 0 ? " \n" : "\n");
        if (k < 25)
            expected
                += RunCommandLineInProcess({"convert", value, "mm/year", "mpy"}, "", folder.path())
                       .out;
    }
    const ProcessResult all
        = RunCommandLineInProcess({"convert", "-", "mm/year", "mpy"}, input, folder.path());
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 30000);
    EXPECT_EQ(all.out.substr(0, expected.size()), expected);
    // And the last line, far past the first block, by its own run.
    const std::size_t line = 29999;
    const std::string last = std::to_string(line % 997) + "." + std::to_string(line % 13);
    const std::string tail
        = RunCommandLineInProcess({"convert", last, "mm/year", "mpy"}, "", folder.path()).out;
    EXPECT_TRUE(all.out.ends_with(tail)) << tail;
}

struct NoteCase
{
    const char* name;
    std::string entries;
    int line;
    int before;
};

TEST(HostileCommandLine, EachStopOfTheRatesFileIsTold)
{
    const TempFolder folder;
    const NoteCase cases[] = {
        {"a decimal comma", "\"US Dollar\",1\n\"Euro\",0,965\n\"Yen\",156\n", 3, 1},
        {"a blank name", "\"US Dollar\",1\n\"Euro\",0.965\n\n\"Yen\",156\n", 4, 2},
        {"an unclosed quote", "\"US Dollar\",1\n\"Euro\",0.965\n\"Yen,156\n", 4, 2},
    };
    for (const NoteCase& row : cases) {
        const auto file = folder.Write("Currency.txt", kHeader + row.entries);
        const auto run = RunCommandLineInProcess(
            {"convert", "--rates", file.string(), "1", "US Dollar", "US Dollar"}, "",
            folder.path());
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        const std::string note = "corrolab: Currency.txt line " + std::to_string(row.line) + ": ";
        EXPECT_TRUE(run.err.starts_with(note)) << row.name << ": " << run.err;
        EXPECT_NE(run.err.find("; the " + std::to_string(row.before)
                      + (row.before == 1 ? " currency before it is used\n"
                                         : " currencies before it are used\n")),
            std::string::npos)
            << row.name << ": " << run.err;
    }
}

struct BlameCase
{
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string says; // on standard error
    std::string notSays = "\x01";
    bool quiet = true; // nothing on standard output
};

TEST(HostileCommandLine, RefusalsBlameWhatIsWrong)
{
    const TempFolder folder;
    const auto badEuro = folder.Write("bad-euro.txt", kHeader + "\"US Dollar\",1\n\"Euro\",abc\n");
    const std::vector<std::string> life = {
        "life", "--thickness", "8", "--minimum", "6", "--rate", "0.1", "--measured", "2025-01-01"};
    const auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const BlameCase cases[] = {
        {"a design life beyond any number",
            {"life", "--thickness", "8", "--minimum", "6", "--rate", "2", "--design-life", "1e308"},
            1, "--design-life"},
        {"a design life of 0", with(life, {"--design-life", "0"}), 1, "--design-life"},
        {"an empty composition", {"material", "--composition", ""}, 1, "composition"},
        {"a device as rates file", {"convert", "--rates", "/dev/zero", "1", "US Dollar", "Euro"}, 1,
            "/dev/zero", "unknown unit"},
        {"an unusable Euro rate",
            {"convert", "--rates", badEuro.string(), "1", "US Dollar", "Euro"}, 1, "Euro",
            "for this material"},
    };
    for (const BlameCase& row : cases) {
        const auto run = RunCommandLineInProcess(row.args, "", folder.path());
        EXPECT_EQ(run.status, row.status) << row.name << ": " << run.out << run.err;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << row.name << ": " << run.err;
        EXPECT_EQ(run.err.find(row.notSays), std::string::npos) << row.name << ": " << run.err;
        if (row.quiet) {
            EXPECT_EQ(run.out, "") << row.name;
        }
    }
}

TEST(HostileCommandLine, CouponsBeyondAnyRateAreRefusedByRow)
{
    const CouponTable table = ParseCouponTable("A\t1.5\t10308\t1e-308\nB\t1.5\t10308\t1e-308\n");
    const std::string units[] = {"mm/year", "mpy", "mdd"};
    for (const std::string& unit : units) {
        const auto summary = SummariseCoupons(table, IronMaterial(), unit);
        if (summary) {
            EXPECT_TRUE(std::isfinite(summary->mean)) << unit;
            EXPECT_TRUE(std::isfinite(summary->standardDeviation.value_or(0))) << unit;
        } else {
            EXPECT_NE(summary.error().message.find("line 1"), std::string::npos)
                << unit << ": " << summary.error().message;
        }
    }
}

class HostileRatesCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.folders = {{data.path(), DataFolderKind::User}};
        settings.today = std::chrono::year_month_day {
            std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};
    }
    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        return RunRatesCommand(args, out, err, settings);
    }
    TempFolder data;
    TempFolder files;
    RatesCommandSettings settings;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(HostileRatesCommand, NothingOfTheFilesReachesTheTerminalRaw)
{
    const std::pair<const char*, std::string> refused[] = {
        {"escape sequences", "Date, \x1B]0;owned\x07\x1B[2J\n2025-01-22, 1\n"},
        {"a 2 MB header cell", "Date, " + std::string(2'000'000, 'Q') + "\n2025-01-22, 1\n"},
        {"a line break in an attribute",
            "<Envelope><Cube><Cube time=\"2025-01-22\"><Cube currency=\"A&#10;B\" "
            "rate=\"1\"/></Cube></Cube></Envelope>"},
    };
    for (const auto& [name, content] : refused) {
        EXPECT_EQ(Run({"import", files.Write("ecb.csv", content).string()}), 1) << name;
        EXPECT_FALSE(HasControlBytesBesidesLineEnds(err.str())) << name;
        EXPECT_EQ(std::ranges::count(err.str(), '\n'), 1) << name;
        EXPECT_LT(err.str().size(), 1200u) << name;
    }
    // A currency the user named with escape sequences, and a 2 MB bad rate.
    data.Write("Currency.txt", kHeader + "\"\x1B[2JMine\",3\n\"US Dollar\",1\n\"Euro\",0.96\n");
    const std::string xml = "<Envelope><Cube><Cube time=\"2025-01-22\"><Cube currency=\"USD\" "
                            "rate=\"1.04\"/><Cube currency=\"JPY\" rate=\""
        + std::string(2'000'000, '9') + "x\"/></Cube></Cube></Envelope>";
    ASSERT_EQ(Run({"import", files.Write("ecb.xml", xml).string()}), 0) << err.str();
    EXPECT_FALSE(HasControlBytesBesidesLineEnds(out.str()));
    EXPECT_LT(out.str().size(), 3000u);
}

} // namespace
} // namespace corrolab
