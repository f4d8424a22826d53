// Rates files and ECB files as an attacker or an editor makes them: bounded
// memory, no currency of the user's file lost, implausible rates refused,
// files as editors save them read as text.
#include "currency/http_get.h"
#include "base/text.h"
#include "currency/rates_import.h"
#include "ecb_fixtures.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corrolab {
namespace {

using namespace std::chrono;

constexpr year_month_day kToday {year(2026), month(12), day(8)};
const std::string kHeader = "\"a\",\"b\",\"c\",\"d\",\"e\",\"Jan 2025 Rates\"\n";

// The daily file with the US Dollar's rate and the day given.
std::string DailyXml(const std::string& dollars = "1.0412", const std::string& day = "2025-01-22")
{
    return "<gesmes:Envelope><Cube><Cube time=\"" + day + "\"><Cube currency=\"USD\" rate=\""
        + dollars + "\"/><Cube currency=\"JPY\" rate=\"162.63\"/></Cube></Cube></gesmes:Envelope>";
}

std::vector<std::string> Names(const RatesFile& file)
{
    std::vector<std::string> names;
    for (const CurrencyRate& currency : file.currencies)
        names.push_back(currency.name);
    return names;
}

// Runs `work` in a child process whose address space may grow by `budget`
// bytes only; true when it finished within it.
template <typename Work> bool RunsWithin(size_t budget, Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::ifstream status("/proc/self/status");
        std::string line;
        size_t kilobytes = 0;
        while (std::getline(status, line))
            if (line.starts_with("VmSize:"))
                kilobytes = std::stoul(line.substr(7));
        const rlimit limit {kilobytes * 1024 + budget, kilobytes * 1024 + budget};
        ::setrlimit(RLIMIT_AS, &limit);
        try {
            ::_exit(work() ? 0 : 1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string ManyColumnsCsv(int columns, int rows)
{
    std::string header = "Date";
    for (int c = 0; c < columns; ++c)
        header += std::string(",") + static_cast<char>('A' + c / 676)
            + static_cast<char>('A' + c / 26 % 26) + static_cast<char>('A' + c % 26);
    std::string row = "2025-01-22";
    for (int c = 0; c < columns; ++c)
        row += ",1";
    std::string csv = header + "\n";
    csv.reserve(csv.size() + (row.size() + 1) * static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        csv += row + "\n";
    return csv;
}

TEST(HostileEcbFiles, MemoryStaysBoundedByTheNewestRow)
{
    constexpr size_t kBudget = 200u << 20;
    // 1000 columns by 15,000 rows: 31 MB, in a 55 kB zip.
    const std::string csv = ManyColumnsCsv(1000, 15000);
    const std::string zip = ZipOf({{"eurofxref.csv", csv}});
    EXPECT_TRUE(
        RunsWithin(kBudget, [&] { return std::holds_alternative<EcbRates>(ParseEcbData(zip)); }));
    EXPECT_TRUE(
        RunsWithin(kBudget, [&] { return std::holds_alternative<EcbRates>(ParseEcbData(csv)); }));

    // 2 M nested <Cube>: refused past a small depth, in little memory.
    std::string nested = "<Envelope>";
    for (int i = 0; i < 2'000'000; ++i)
        nested += "<Cube>";
    const auto refusedAsNested = [](const std::string& data) {
        const EcbResult result = ParseEcbData(data);
        const auto* error = std::get_if<EcbError>(&result);
        return error != nullptr && error->message.find("nested") != std::string::npos;
    };
    EXPECT_TRUE(RunsWithin(kBudget, [&] { return refusedAsNested(nested); }));
    EXPECT_TRUE(RunsWithin(kBudget, [&] { return refusedAsNested(ZipOf({{"r.xml", nested}})); }));
}

struct RefusalCase
{
    const char* name;
    std::string data;
    const char* message;
};

TEST(HostileEcbFiles, EachShapeIsRefusedForWhatItIs)
{
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("Date, USD\n2025-01-22, 1.04\n"))
        utf16 += std::string {c, '\0'};
    const RefusalCase cases[] = {
        {"UTF-16", utf16, "UTF-16"},
        {"gzip", std::string("\x1F\x8B\x08\x00\x00\x00\x00\x00", 8) + "rest", "gzip"},
        {"too deep", "<Envelope><Cube><Cube><Cube><Cube><Cube><Cube><Cube><Cube><Cube>", "nested"},
    };
    for (const RefusalCase& row : cases) {
        const EcbResult result = ParseEcbData(row.data);
        ASSERT_TRUE(std::holds_alternative<EcbError>(result)) << row.name;
        const std::string& message = std::get<EcbError>(result).message;
        EXPECT_NE(message.find(row.message), std::string::npos) << row.name << ": " << message;
        EXPECT_EQ(message.find("CSV"), std::string::npos) << row.name << ": " << message;
    }
}

TEST(HostileEcbFiles, AnEncryptedZipIsNamedSo)
{
    const std::string csv = EcbFixtureText("eurofxref.csv");
    const auto path = std::filesystem::temp_directory_path()
        / ("corrolab-encrypted-" + std::to_string(::getpid()) + ".zip");
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    zip_source_t* source = zip_source_buffer(archive, csv.data(), csv.size(), 0);
    const zip_int64_t index = zip_file_add(archive, "eurofxref.csv", source, ZIP_FL_OVERWRITE);
    ASSERT_GE(index, 0);
    if (zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "pw")
        != 0) {
        zip_discard(archive);
        GTEST_SKIP() << "this libzip cannot encrypt";
    }
    ASSERT_EQ(zip_close(archive), 0);
    const std::string zip = ReadWhole(path);
    std::filesystem::remove(path);
    const EcbResult result = ParseEcbData(zip);
    ASSERT_TRUE(std::holds_alternative<EcbError>(result));
    EXPECT_NE(std::get<EcbError>(result).message.find("encrypted"), std::string::npos)
        << std::get<EcbError>(result).message;
}

struct KeptCase
{
    const char* name;
    std::string entries; // after the header
    std::vector<std::string> names; // every currency the file holds
    int line; // where an import that refuses must point
};

TEST(HostileRatesImport, NoCurrencyOfTheFileInUseIsLost)
{
    std::string many;
    std::vector<std::string> manyNames;
    for (int i = 0; i < 10055; ++i) {
        manyNames.push_back("Currency " + std::to_string(i));
        many += "\"" + manyNames.back() + "\",1\n";
    }
    std::string afterBlank = "\"Kept A\",1\n\n\"Euro\",0.96\n";
    std::vector<std::string> blankNames = {"Kept A", "Euro"};
    for (int i = 0; i < 16; ++i) {
        blankNames.push_back("Hand " + std::to_string(i));
        afterBlank += "\"" + blankNames.back() + "\",2\n";
    }
    const KeptCase cases[] = {
        {"a blank line before Euro", afterBlank, blankNames, 3},
        {"past the 100th", many, manyNames, 102},
    };
    for (const KeptCase& row : cases) {
        const RatesFile current = ParseRatesFile(kHeader + row.entries);
        const auto import = ImportEcbData(DailyXml(), current, kToday);
        if (const auto* error = std::get_if<RatesImportError>(&import)) {
            EXPECT_NE(error->message.find("line " + std::to_string(row.line)), std::string::npos)
                << row.name << ": " << error->message;
            continue;
        }
        const std::vector<std::string> written = Names(std::get<RatesImport>(import).file);
        for (const std::string& name : row.names)
            EXPECT_NE(std::ranges::find(written, name), written.end()) << row.name << ": " << name;
    }
}

struct PlausibleCase
{
    const char* name;
    std::string dollars; // per euro
    std::string day;
    bool accepted;
};

TEST(HostileRatesImport, ImplausibleRatesAndDatesAreRefused)
{
    const RatesFile shipped
        = ParseRatesFile(ReadWhole(std::filesystem::path(CORROLAB_DATA_DIR) / "Currency.txt"));
    const PlausibleCase cases[] = {
        {"a day's rates", "1.0412", "2025-01-22", true},
        {"the euro's first day", "1.1789", "1999-01-04", true},
        {"a wide but possible move", "100", "2025-01-22", true},
        {"1e300 dollars per euro", "1e300", "2025-01-22", false},
        {"1e-300 dollars per euro", "1e-300", "2025-01-22", false},
        {"a million times off", "2e6", "2025-01-22", false},
        {"year 0", "1.0412", "0000-01-22", false},
        {"year -1", "1.0412", "-001-01-22", false},
        {"1899", "1.0412", "1899-01-22", false},
        {"the day before the euro", "1.0412", "1999-01-03", false},
    };
    for (const PlausibleCase& row : cases) {
        const auto import = ImportEcbData(DailyXml(row.dollars, row.day), shipped, kToday);
        EXPECT_EQ(std::holds_alternative<RatesImport>(import), row.accepted) << row.name;
        if (const auto* error = std::get_if<RatesImportError>(&import)) {
            EXPECT_NE(error->message.find("nothing was changed"), std::string::npos)
                << row.name << ": " << error->message;
        }
    }
    // Without a file in use, rates no currency comes near are refused all the same.
    EXPECT_FALSE(std::holds_alternative<RatesImport>(
        ImportEcbData(DailyXml("1e300"), RatesFile {}, kToday)));
}

TEST(HostileRatesImport, MessagesQuoteFileTextsOnOneShortLine)
{
    const std::pair<const char*, std::string> cases[] = {
        {"escape sequences", "Date, \x1B]0;owned\x07\x1B[2J\n2025-01-22, 1\n"},
        {"a 2 MB header cell", "Date, " + std::string(2'000'000, 'Q') + "\n2025-01-22, 1\n"},
        {"a line break in an attribute",
            "<Envelope><Cube><Cube time=\"2025-01-22\"><Cube currency=\"A&#10;B\" "
            "rate=\"1\"/></Cube></Cube></Envelope>"},
    };
    for (const auto& [name, data] : cases) {
        const auto import = ImportEcbData(data, RatesFile {}, kToday);
        ASSERT_TRUE(std::holds_alternative<RatesImportError>(import)) << name;
        const std::string& message = std::get<RatesImportError>(import).message;
        EXPECT_LT(message.size(), 400u) << name;
        for (const char c : message)
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << name << ": " << OneLine(message);
    }
    // A 2 MB bad rate among good ones: the import succeeds and says so briefly.
    const std::string xml = "<Envelope><Cube><Cube time=\"2025-01-22\"><Cube currency=\"USD\" "
                            "rate=\"1.04\"/><Cube currency=\"JPY\" rate=\""
        + std::string(2'000'000, '9') + "x\"/></Cube></Cube></Envelope>";
    const auto import = ImportEcbData(xml, RatesFile {}, kToday);
    ASSERT_TRUE(std::holds_alternative<RatesImport>(import));
    EXPECT_LT(DescribeChanges(std::get<RatesImport>(import).changes).size(), 2000u);
}

struct OneLineCase
{
    std::string text;
    std::string line;
};

TEST(OneLineText, EscapesControlsAndCapsTheLength)
{
    const OneLineCase cases[] = {
        {"plain", "plain"},
        {"two\nlines\r\ttab", "two\\nlines\\r\\ttab"},
        {"\x1B]0;title\x07\x1B[2J", "\\x1b]0;title\\x07\\x1b[2J"},
        {std::string("nul\0byte", 8), "nul\\x00byte"},
        {"del\x7F", "del\\x7f"},
        {"C1 \xC2\x9B"
         "2J",
            "C1 \\xc2\\x9b2J"},
        {"lone \x9B byte", "lone \\x9b byte"},
        {"Euro \xE2\x82\xAC kept", "Euro \xE2\x82\xAC kept"},
        {std::string(5000, 'x'), std::string(kOneLineLimit, 'x') + "..."},
        // A cut never splits a character.
        {std::string(kOneLineLimit - 1, 'x') + "\xE2\x82\xAC",
            std::string(kOneLineLimit - 1, 'x') + "..."},
    };
    for (const OneLineCase& row : cases)
        EXPECT_EQ(OneLine(row.text), row.line) << row.line;
}

struct RedirectCase
{
    const char* from;
    const char* to;
    bool allowed;
};

TEST(Downloads, NeverFromHttpsDownToHttpWhateverTheCase)
{
    const RedirectCase cases[] = {
        {"https://ecb.example/a", "https://mirror.example/b", true},
        {"https://ecb.example/a", "http://mirror.example/b", false},
        {"HTTPS://ecb.example/a", "http://mirror.example/b", false},
        {"HtTpS://ecb.example/a", "HTTP://mirror.example/b", false},
        {"https://ecb.example/a", "HTTPS://mirror.example/b", true},
        {"http://127.0.0.1/a", "http://127.0.0.1/b", true},
        {"http://127.0.0.1/a", "https://mirror.example/b", true},
        {"HTTP://127.0.0.1/a", "ftp://mirror.example/b", false},
        {"https://ecb.example/a", "file:///etc/passwd", false},
    };
    for (const RedirectCase& row : cases)
        EXPECT_EQ(RedirectAllowed(row.from, row.to), row.allowed) << row.from << " -> " << row.to;
    EXPECT_TRUE(IsHttpsUrl("HTTPS://x"));
    EXPECT_FALSE(IsHttpsUrl("http://x"));
}

struct EditorCase
{
    const char* name;
    std::string content;
    std::vector<std::pair<std::string, double>> currencies;
    std::optional<int> stopLine;
};

std::string Utf16(const std::string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (size_t i = 0; i < text.size(); ++i) {
        // The text is ASCII but for the euro sign, written as U+20AC.
        char16_t unit = static_cast<unsigned char>(text[i]);
        if (text.compare(i, 3, "\xE2\x82\xAC") == 0) {
            unit = 0x20AC;
            i += 2;
        }
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string {high, low} : std::string {low, high};
    }
    return bytes;
}

TEST(RatesFilesAsEditorsSaveThem, ReadAsText)
{
    const std::string plain = kHeader + "\"US Dollar\",1\n\"Euro \xE2\x82\xAC\",0.965\n";
    const std::vector<std::pair<std::string, double>> both
        = {{"US Dollar", 1}, {"Euro \xE2\x82\xAC", 0.965}};
    const EditorCase cases[] = {
        {"UTF-16 little-endian (Notepad's Unicode)", Utf16(plain, false), both, std::nullopt},
        {"UTF-16 big-endian", Utf16(plain, true), both, std::nullopt},
        {"tab separated", kHeader + "\"US Dollar\"\t1\n\"Euro \xE2\x82\xAC\"\t0.965\n", both,
            std::nullopt},
        {"semicolons", kHeader + "\"US Dollar\";1\n\"Euro \xE2\x82\xAC\";0.965\n", both,
            std::nullopt},
        {"semicolons with decimal commas",
            kHeader + "\"US Dollar\";1\n\"Euro \xE2\x82\xAC\";0,965\n", both, std::nullopt},
        {"tabs with decimal commas", kHeader + "US Dollar\t1\nEuro \xE2\x82\xAC\t0,965\n", both,
            std::nullopt},
        {"an unclosed quote", kHeader + "\"US Dollar\",1\n\"Euro,0.965\n\"Yen\",156\n",
            {{"US Dollar", 1}}, 3},
        // Found by fuzz_rates: the caption is field 6 all the same.
        {"an unclosed quote in the header",
            "\"a\n\"b\",\"c\",\"d\",\"e\",\"Jan 2025 Rates\"\n\"US Dollar\",1\n", {}, 1},
        {"a blank line before more entries", kHeader + "\"US Dollar\",1\n\n\"Yen\",156\n",
            {{"US Dollar", 1}}, 3},
    };
    for (const EditorCase& row : cases) {
        const RatesFile file = ParseRatesFile(row.content);
        EXPECT_EQ(file.caption, "Jan 2025 Rates") << row.name;
        ASSERT_EQ(file.currencies.size(), row.currencies.size()) << row.name;
        for (size_t i = 0; i < row.currencies.size(); ++i) {
            EXPECT_EQ(file.currencies[i].name, row.currencies[i].first) << row.name;
            EXPECT_EQ(file.currencies[i].rate, row.currencies[i].second) << row.name;
        }
        EXPECT_EQ(file.stop ? std::optional(file.stop->line) : std::nullopt, row.stopLine)
            << row.name;
    }
}

} // namespace
} // namespace corrolab
