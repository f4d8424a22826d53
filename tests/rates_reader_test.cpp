#include "currency/rates_reader.h"

#include "temp_folder.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace corrolab {
namespace {

using namespace std::chrono;

const char* kHeader = "\"a\",\"b\",\"c\",\"d\",\"e\",\"Jan 2025 Rates\"\n";

TEST(RatesFields, FollowTheFileRules)
{
    const auto fields = RatesFields("  one , \"two, with comma\" ,3\r\n\"x\"junk,\n\nlast");
    const std::vector<std::string> expected {"one", "two, with comma", "3", "x", "", "", "last"};
    EXPECT_EQ(fields, expected);
    EXPECT_EQ(RatesFields("\"never closes, at all").size(), 1u);
    EXPECT_TRUE(RatesFields("").empty());
}

TEST(ParseRatesFile, ReadsCaptionAndPairs)
{
    const auto file = ParseRatesFile(std::string(kHeader) + "\"US Dollar\",1\n\"Euro\", 0.965\n");
    EXPECT_EQ(file.caption, "Jan 2025 Rates");
    ASSERT_EQ(file.currencies.size(), 2u);
    EXPECT_EQ(file.currencies[0].name, "US Dollar");
    EXPECT_DOUBLE_EQ(*file.currencies[1].rate, 0.965);
}

TEST(ParseRatesFile, StopsAtAnEmptyNameOrTheEnd)
{
    EXPECT_TRUE(ParseRatesFile(kHeader).currencies.empty());
    const auto blank = ParseRatesFile(std::string(kHeader) + "\"A\",1\n\n\"B\",2\n");
    EXPECT_EQ(blank.currencies.size(), 1u);
    const auto noNewline = ParseRatesFile(std::string(kHeader) + "\"A\",1\n\"B\",2");
    ASSERT_EQ(noNewline.currencies.size(), 2u);
    EXPECT_DOUBLE_EQ(*noNewline.currencies[1].rate, 2);
    const auto crlf = ParseRatesFile("a,b,c,d,e,f\r\nA,1\r\nB,2\r\n");
    EXPECT_EQ(crlf.currencies.size(), 2u);
    EXPECT_EQ(crlf.caption, "f");
}

TEST(ParseRatesFile, KeepsAtMostOneHundred)
{
    std::string content = kHeader;
    for (int i = 1; i <= 1000; ++i)
        content += "\"C" + std::to_string(i) + "\"," + std::to_string(i) + "\n";
    const auto file = ParseRatesFile(content);
    ASSERT_EQ(file.currencies.size(), 100u);
    EXPECT_EQ(file.currencies.back().name, "C100");
}

TEST(ParseRatesFile, MarksUnusableRates)
{
    const auto file
        = ParseRatesFile(std::string(kHeader) + "A,abc\nB,0\nC,-2\nD,1e400\nE,1.5x\nF\n");
    ASSERT_EQ(file.currencies.size(), 6u);
    for (const auto& currency : file.currencies)
        EXPECT_FALSE(currency.rate.has_value()) << currency.name;
}

TEST(ParseRatesFile, SurvivesBinaryAndHugeInput)
{
    std::string binary(200000, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 7919) % 256);
    EXPECT_LE(ParseRatesFile(binary).currencies.size(), 100u);
    const auto longLine = ParseRatesFile(std::string(kHeader) + std::string(1 << 20, 'x') + ",1\n");
    ASSERT_EQ(longLine.currencies.size(), 1u);
    EXPECT_EQ(longLine.currencies[0].name, std::string(kMaxCurrencyNameLength, 'x'));
    EXPECT_DOUBLE_EQ(*longLine.currencies[0].rate, 1);
}

TEST(AgeInDays, CountsWholeDaysEitherWay)
{
    const year_month_day today {year(2026), month(12), day(8)};
    EXPECT_EQ(AgeInDays(year_month_day {year(2026), month(11), day(7)}, today), 31);
    EXPECT_EQ(AgeInDays(year_month_day {year(2026), month(11), day(8)}, today), 30);
    EXPECT_EQ(AgeInDays(year_month_day {year(2027), month(1), day(8)}, today), 31);
    EXPECT_EQ(AgeInDays(today, today), 0);
}

TEST(RatesTexts, AreWordedForTheUser)
{
    EXPECT_EQ(MonthRatesCaption(year_month_day {year(2026), month(12), day(8)}), "Dec 2026 Rates");
    EXPECT_EQ(MonthRatesCaption(year_month_day {year(2025), month(5), day(1)}), "May 2025 Rates");
    EXPECT_EQ(OldRatesQuestion(31),
        "Exchange rates in 'Currency.txt' file are 31 days old.\n"
        "Contact author for an update OR edit the 'Currency.txt' file.");
    EXPECT_EQ(CurrencyKey("US Dollar"), "US DOLLAR");
}

TEST(FindRatesFile, IgnoresLetterCase)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("corrolab-rates-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(FindRatesFile(folder).has_value());
    std::ofstream(folder / "CURRENCY.TXT") << kHeader;
    const auto found = FindRatesFile(folder);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->filename(), "CURRENCY.TXT");
    std::filesystem::remove_all(folder);
}

TEST(ParseRatesFile, SkipsAByteOrderMark)
{
    // The first header line holds a comma inside its quotes, as the shipped file's does.
    const std::string content
        = "\xEF\xBB\xBF\"Rates of January, for estimates\",\"b\",\"c\",\"d\",\"e\",\"Jan 2025 "
          "Rates\"\n\"US Dollar\",1\n";
    EXPECT_EQ(RatesFields(content).front(), "Rates of January, for estimates");
    const auto file = ParseRatesFile(content);
    EXPECT_EQ(file.caption, "Jan 2025 Rates");
    ASSERT_EQ(file.currencies.size(), 1u);
    EXPECT_EQ(file.currencies[0].name, "US Dollar");
    EXPECT_FALSE(file.misalignedLine.has_value());
}

struct ShiftCase
{
    const char* name;
    std::string entries; // after the six header fields on line 1
    std::vector<std::string> kept;
    std::optional<int> wrongLine;
};

TEST(ParseRatesFile, StopsBeforeALineShiftedByADecimalComma)
{
    const ShiftCase cases[] = {
        {"decimal comma mid-file", "\"US Dollar\",1\n\"Euro\",0,965\n\"Yen\",156\n", {"US Dollar"},
            3},
        {"decimal comma in the first entry", "\"Rupiah\",16,300\n\"Euro\",0.965\n", {}, 2},
        {"decimal comma on the last line", "\"US Dollar\",1\n\"Riyal\",3,75\n", {"US Dollar"}, 3},
        {"two on one line", "\"A\",1\n\"B\",1,5,2,5\n", {"A"}, 3},
        {"a negative number as a name", "\"A\",1\n-3,\"B\"\n", {"A"}, 3},
        {"a text rate is no shift", "\"A\",abc\n\"B\",2\n", {"A", "B"}, std::nullopt},
        {"plain file", "\"A\",1.5\n\"B\",2\n", {"A", "B"}, std::nullopt},
    };
    for (const ShiftCase& row : cases) {
        const auto file = ParseRatesFile(std::string(kHeader) + row.entries);
        std::vector<std::string> names;
        for (const auto& currency : file.currencies)
            names.push_back(currency.name);
        EXPECT_EQ(names, row.kept) << row.name;
        EXPECT_EQ(file.misalignedLine, row.wrongLine) << row.name;
    }
    EXPECT_NE(MisalignedRatesMessage("/x/Currency.txt", 17)
                  .find("Line 17 of the rates file /x/Currency.txt"),
        std::string::npos);
}

struct CaptionCase
{
    const char* caption;
    std::optional<year_month_day> date;
};

TEST(CaptionDate, ReadsTheDateAnImportWrites)
{
    const CaptionCase cases[] = {
        {"ECB 22 Jan 2025 Rates", year_month_day {year(2025), month(1), day(22)}},
        {"ECB 1 December 2026 Rates", year_month_day {year(2026), month(12), day(1)}},
        {"Rates of 2025-03-04", year_month_day {year(2025), month(3), day(4)}},
        {"Jan 2025 Rates", std::nullopt},
        {"ECB 31 Feb 2025 Rates", std::nullopt},
        {"ECB 22 Foo 2025 Rates", std::nullopt},
        {"2025-13-01", std::nullopt},
        {"", std::nullopt},
    };
    for (const CaptionCase& row : cases)
        EXPECT_EQ(CaptionDate(row.caption), row.date) << row.caption;
    const year_month_day copied {year(2026), month(12), day(7)};
    EXPECT_EQ(RatesDate("ECB 22 Jan 2025 Rates", copied),
        (year_month_day {year(2025), month(1), day(22)}));
    EXPECT_EQ(RatesDate("Jan 2025 Rates", copied), copied);
    EXPECT_EQ(DayMonthYear(year_month_day {year(2025), month(1), day(2)}), "2 Jan 2025");
}

// Bytes that differ from their neighbours, so that a piece read twice, skipped
// or out of order shows.
std::string Patterned(size_t size)
{
    std::string content(size, '\0');
    for (size_t i = 0; i < size; ++i)
        content[i] = static_cast<char>('!' + (i * 7919 + i / 4093) % 90);
    return content;
}

TEST(ReadRatesFile, ReadsWhatTheFileHoldsUpToTheLimit)
{
    struct Case
    {
        const char* name;
        size_t fileSize; // of the file written for the row
        const char* device; // read instead of a written file when set
        std::optional<size_t> expectedSize;
    };
    const Case cases[] = {
        {"empty file", 0, nullptr, 0},
        {"ordinary rates file", 1700, nullptr, 1700},
        {"one piece of 16 KiB", 16 * 1024, nullptr, 16 * 1024},
        {"a byte more than a piece", 16 * 1024 + 1, nullptr, 16 * 1024 + 1},
        {"exactly the limit", kMaxRatesFileBytes, nullptr, kMaxRatesFileBytes},
        {"over the limit", kMaxRatesFileBytes + 4097, nullptr, kMaxRatesFileBytes},
        {"endless device", 0, "/dev/zero", kMaxRatesFileBytes},
        {"empty device", 0, "/dev/null", 0},
        {"missing file", 0, "/nonexistent-corrolab-folder/Currency.txt", std::nullopt},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string written = Patterned(c.fileSize);
        const std::filesystem::path path
            = c.device ? std::filesystem::path(c.device) : folder.Write(c.name, written);
        const std::optional<std::string> content = ReadRatesFile(path);
        ASSERT_EQ(content.has_value(), c.expectedSize.has_value()) << c.name;
        if (!content)
            continue;
        ASSERT_EQ(content->size(), *c.expectedSize) << c.name;
        const std::string expected
            = c.device ? std::string(*c.expectedSize, '\0') : written.substr(0, *c.expectedSize);
        EXPECT_TRUE(*content == expected) << c.name; // no dump of 16 MiB on failure
    }
}

} // namespace
} // namespace corrolab
