#include "currency/ecb_rates.h"
#include "ecb_fixtures.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

using namespace std::chrono;

constexpr year_month_day kFixtureDay {year(2025), month(1), day(22)};

struct ReadableCase
{
    const char* name;
    std::string data;
};

TEST(EcbRates, EveryPublishedShapeGivesTheSameDay)
{
    const std::string csv = EcbFixtureText("eurofxref.csv");
    const std::string daily = EcbFixtureText("eurofxref-daily.xml");
    const ReadableCase cases[] = {
        {"daily XML", daily},
        {"90-day XML (newest of three days)", EcbFixtureText("eurofxref-hist-90d.xml")},
        {"CSV", csv},
        {"CSV with a byte-order mark", "\xEF\xBB\xBF" + csv},
        {"CSV with CR LF",
            [&] {
                std::string crlf;
                for (const char c : csv)
                    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
                return crlf;
            }()},
        {"zip holding the CSV", ZipOf({{"eurofxref.csv", csv}})},
        {"zip holding the XML after a note", ZipOf({{"readme.txt", "hello"}, {"a.XML", daily}})},
        {"history CSV with ISO dates and N/A",
            "Date,USD,JPY,CYP,\n2025-01-21,1.0,160,N/A,\n2025-01-22,1.0412,162.63,N/A,\n"},
    };
    for (const ReadableCase& row : cases) {
        const EcbResult result = ParseEcbData(row.data);
        const auto* rates = std::get_if<EcbRates>(&result);
        ASSERT_NE(rates, nullptr) << row.name << ": " << std::get<EcbError>(result).message;
        EXPECT_EQ(rates->date, kFixtureDay) << row.name;
        EXPECT_DOUBLE_EQ(rates->perEuro.at("USD"), 1.0412) << row.name;
        EXPECT_DOUBLE_EQ(rates->perEuro.at("JPY"), 162.63) << row.name;
        EXPECT_TRUE(rates->rejected.empty()) << row.name;
    }
}

TEST(EcbRates, FixturesListThirtyCurrencies)
{
    for (const char* name : {"eurofxref.csv", "eurofxref-daily.xml", "eurofxref-hist-90d.xml"}) {
        const EcbResult result = ParseEcbData(EcbFixtureText(name));
        ASSERT_TRUE(std::holds_alternative<EcbRates>(result)) << name;
        EXPECT_EQ(std::get<EcbRates>(result).perEuro.size(), 30u) << name;
    }
}

TEST(EcbRates, MissingAndNegativeRatesAreNamedNotTaken)
{
    const EcbResult result = ParseEcbData(EcbFixtureText("missing-rates.xml"));
    const auto* rates = std::get_if<EcbRates>(&result);
    ASSERT_NE(rates, nullptr);
    EXPECT_FALSE(rates->perEuro.contains("JPY"));
    EXPECT_FALSE(rates->perEuro.contains("GBP"));
    EXPECT_EQ(rates->perEuro.size(), 28u);
    ASSERT_EQ(rates->rejected.size(), 2u);
    EXPECT_EQ(rates->rejected[0], "JPY: rate missing");
    EXPECT_EQ(rates->rejected[1], "GBP: rate '-0.84425' is not a positive number");
}

struct BadCase
{
    const char* name;
    std::string data;
    const char* message; // a part of the error
};

TEST(EcbRates, BadInputIsAnErrorNeverRates)
{
    const std::string csv = EcbFixtureText("eurofxref.csv");
    const std::string zip = ZipOf({{"eurofxref.csv", csv}});
    const BadCase cases[] = {
        {"empty", "", "empty"},
        {"blank", " \n\n", "empty"},
        {"HTML page", "<html><body>Moved</body></html>", "not an ECB rates file"},
        {"XML cut off", EcbFixtureText("eurofxref-daily.xml").substr(0, 600), "damaged"},
        {"XML without a day", "<gesmes:Envelope><Cube></Cube></gesmes:Envelope>", "no day"},
        {"XML rate outside a day", "<Envelope><Cube currency='USD' rate='1'/></Envelope>",
            "outside"},
        {"XML bad date", "<Envelope><Cube time='2025-13-40'/></Envelope>", "not a date"},
        {"CSV of another column set", EcbFixtureText("other-columns.csv"), "2 rates for 3"},
        {"CSV with an extra value", "Date, USD, \n22 January 2025, 1.04, 160, \n", "2 rates for 1"},
        {"CSV headed otherwise", "Datum, USD\n22 January 2025, 1.04\n", "header line"},
        {"CSV with a name column", "Date, US Dollar\n22 January 2025, 1.04\n", "'US Dollar'"},
        {"CSV line without a date", "Date, USD\nyesterday, 1.04\n", "date"},
        {"CSV header only", "Date, USD, JPY\n", "no day"},
        {"zip cut in half", zip.substr(0, zip.size() / 2), "truncated"},
        {"zip cut by one byte", zip.substr(0, zip.size() - 1), "truncated"},
        {"empty zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'), "zip"},
        {"zip with no rates file", ZipOf({{"readme.txt", "x"}}), "no ECB rates file"},
        {"zip with a damaged entry",
            [&] {
                std::string damaged = zip;
                damaged[50] = static_cast<char>(damaged[50] ^ 0x55);
                return damaged;
            }(),
            "damaged"},
        {"too large", std::string(kLargestEcbFile + 1, ' '), "too large"},
    };
    for (const BadCase& row : cases) {
        const EcbResult result = ParseEcbData(row.data);
        const auto* error = std::get_if<EcbError>(&result);
        ASSERT_NE(error, nullptr) << row.name;
        EXPECT_NE(error->message.find(row.message), std::string::npos)
            << row.name << ": " << error->message;
    }
}

// Text after the end of the document is refused with one message however the
// file arrives: whole, or in pieces of any size.
TEST(EcbRates, TextAfterTheDocumentIsOneFaultInEveryPieceSize)
{
    const std::string texts[] = {
        "<gesmes:Envelope>\n\tx</gesmes:Envelope> time='2025-01-22'>\n<Cube/>\n",
        "<Envelope><Cube time='2025-01-22'><Cube currency='USD' rate='1.04'/></Cube></Envelope>"
        "<Envelope/>",
        "<Envelope/>\n\n junk",
    };
    for (const std::string& text : texts) {
        const EcbResult whole = ParseEcbXml(text);
        const auto* error = std::get_if<EcbError>(&whole);
        ASSERT_NE(error, nullptr) << text;
        EXPECT_NE(error->message.find("text follows the end of the document"), std::string::npos)
            << error->message;
        for (size_t piece = 1; piece <= 61; ++piece) {
            EcbStreamReader reader(true);
            for (size_t at = 0; at < text.size(); at += piece)
                reader.Feed(std::string_view(text).substr(at, piece));
            const EcbResult streamed = reader.Finish();
            const auto* streamedError = std::get_if<EcbError>(&streamed);
            ASSERT_NE(streamedError, nullptr) << text << " in pieces of " << piece;
            EXPECT_EQ(streamedError->message, error->message) << text << " in pieces of " << piece;
        }
    }
}

} // namespace
} // namespace corrolab
