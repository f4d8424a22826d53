#include "currency/rates_import.h"
#include "ecb_fixtures.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

using namespace std::chrono;

constexpr year_month_day kToday {year(2026), month(12), day(8)};

RatesFile ShippedRates()
{
    return ParseRatesFile(ReadWhole(std::filesystem::path(CORROLAB_DATA_DIR) / "Currency.txt"));
}

EcbRates FixtureRates(const char* name = "eurofxref-daily.xml")
{
    return std::get<EcbRates>(ParseEcbData(EcbFixtureText(name)));
}

RatesImport Done(std::variant<RatesImport, RatesImportError> result)
{
    if (const auto* error = std::get_if<RatesImportError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<RatesImport>(std::move(result));
}

std::optional<double> RateOf(const RatesFile& file, const std::string& name)
{
    for (const CurrencyRate& currency : file.currencies)
        if (currency.name == name)
            return currency.rate;
    ADD_FAILURE() << name << " not listed";
    return std::nullopt;
}

struct RateCase
{
    const char* name;
    double expected; // per US Dollar, from the fixture's per-euro rates
};

TEST(RatesImport, ConvertsPerEuroToPerDollar)
{
    const double dollarsPerEuro = 1.0412;
    const RateCase cases[] = {
        {"US Dollar", 1},
        {"Euro", 1 / dollarsPerEuro},
        {"Japanese Yen", 162.63 / dollarsPerEuro},
        {"Pound Sterling", 0.84425 / dollarsPerEuro},
        {"Indonesian Rupiah", 16986.43 / dollarsPerEuro},
        {"Turkish Lyre", 37.0981 / dollarsPerEuro},
        {"New Zealand", 1.8344 / dollarsPerEuro},
        {"Deutsche Mark", 1.95583 / dollarsPerEuro},
        {"French Franc", 6.55957 / dollarsPerEuro},
        {"Italian Lira", 1936.27 / dollarsPerEuro},
        {"Irish Pound", 0.787564 / dollarsPerEuro},
        {"Bahraini Dinar", 0.376}, // not published: the shipped file's rate
        {"Saudi Riyal", 3.75},
    };
    for (const char* fixture : {"eurofxref-daily.xml", "eurofxref.csv", "eurofxref-hist-90d.xml"}) {
        const RatesImport& import
            = Done(BuildRatesImport(FixtureRates(fixture), ShippedRates(), kToday));
        for (const RateCase& row : cases) {
            const auto rate = RateOf(import.file, row.name);
            ASSERT_TRUE(rate.has_value()) << fixture << " " << row.name;
            EXPECT_NEAR(*rate, row.expected, row.expected * 1e-9) << fixture << " " << row.name;
        }
    }
}

TEST(RatesImport, KeepsTheNamesAndOrderOfTheFileInUse)
{
    const RatesFile shipped = ShippedRates();
    const RatesImport& import = Done(BuildRatesImport(FixtureRates(), shipped, kToday));
    ASSERT_EQ(import.file.currencies.size(), shipped.currencies.size());
    for (size_t i = 0; i < shipped.currencies.size(); ++i)
        EXPECT_EQ(import.file.currencies[i].name, shipped.currencies[i].name) << i;
    EXPECT_EQ(import.file.caption, "ECB 22 Jan 2025 Rates");
    EXPECT_EQ(CaptionDate(import.file.caption), (year_month_day {year(2025), month(1), day(22)}));
    EXPECT_EQ(
        import.changes.updated.size() + import.changes.kept.size(), shipped.currencies.size());
    EXPECT_EQ(import.changes.updated.size(), 30u); // 17 published, US Dollar, Euro, 11 legacy
    EXPECT_TRUE(import.changes.added.empty());
    // The header says which rates were kept.
    const auto header = RatesFields(import.content);
    EXPECT_NE(header[2].find("Bahraini Dinar, Bangladesh Taka"), std::string::npos) << header[2];
    EXPECT_EQ(header[2].find("Euro"), std::string::npos) << header[2];
}

TEST(RatesImport, AddsWhatTheFileInUseLacks)
{
    RatesFile few;
    few.currencies = {{"US Dollar", 1.0}, {"Zloty of my own", 4.1}, {"Euro", std::nullopt}};
    const RatesImport& import = Done(BuildRatesImport(FixtureRates(), few, kToday));
    EXPECT_EQ(import.changes.kept, std::vector<std::string> {"Zloty of my own"});
    EXPECT_EQ(import.changes.updated, (std::vector<std::string> {"US Dollar", "Euro"}));
    EXPECT_EQ(import.changes.added.size(), 28u);
    EXPECT_DOUBLE_EQ(*RateOf(import.file, "Zloty of my own"), 4.1);
    EXPECT_NEAR(*RateOf(import.file, "Euro"), 1 / 1.0412, 1e-9);

    const RatesImport& fresh = Done(BuildRatesImport(FixtureRates(), RatesFile {}, kToday));
    EXPECT_EQ(fresh.changes.added.size(), 30u);
    EXPECT_EQ(fresh.file.currencies.size(), 30u);
}

TEST(RatesImport, UnusableEcbRatesKeepThePreviousRatesAndAreReported)
{
    const RatesFile shipped = ShippedRates();
    const RatesImport& import
        = Done(BuildRatesImport(FixtureRates("missing-rates.xml"), shipped, kToday));
    EXPECT_DOUBLE_EQ(*RateOf(import.file, "Japanese Yen"), *RateOf(shipped, "Japanese Yen"));
    EXPECT_DOUBLE_EQ(*RateOf(import.file, "Pound Sterling"), *RateOf(shipped, "Pound Sterling"));
    EXPECT_EQ(import.changes.rejected.size(), 2u);
    const std::string report = DescribeChanges(import.changes);
    EXPECT_NE(report.find("Not usable in the ECB file, previous rates kept: JPY: rate missing"),
        std::string::npos)
        << report;
}

struct RefusedCase
{
    const char* name;
    std::string ecbData;
    const char* message;
};

TEST(RatesImport, RefusesWhatWouldGiveWrongRates)
{
    const RefusedCase cases[] = {
        {"a date after today",
            "<Envelope><Cube><Cube time='2026-12-09'><Cube currency='USD' rate='1.05'/>"
            "</Cube></Cube></Envelope>",
            "after today"},
        {"no US Dollar", "Date, JPY\n22 January 2025, 162.63\n", "no usable US Dollar"},
        {"a negative US Dollar", "Date, USD, JPY\n22 January 2025, -1.04, 162.63\n",
            "no usable US Dollar"},
        {"not an ECB file", "hello", "header line"},
    };
    for (const RefusedCase& row : cases) {
        const auto result = ImportEcbData(row.ecbData, ShippedRates(), kToday);
        const auto* error = std::get_if<RatesImportError>(&result);
        ASSERT_NE(error, nullptr) << row.name;
        EXPECT_NE(error->message.find(row.message), std::string::npos)
            << row.name << ": " << error->message;
        EXPECT_NE(error->message.find("othing was changed"), std::string::npos) << row.name;
    }
    // Today itself is accepted.
    EXPECT_TRUE(std::holds_alternative<RatesImport>(
        ImportEcbData("Date, USD\n8 December 2026, 1.05\n", ShippedRates(), kToday)));
}

TEST(RatesImport, RefusesWhileTheFileInUseIsShifted)
{
    const RatesFile shifted = ParseRatesFile(
        "a,b,c,d,e,f\n\"US Dollar\",1\n\"Euro\",0,965\n\"Yen\",156\n\"Rand\",18\n");
    ASSERT_EQ(shifted.misalignedLine, 3);
    const auto result = BuildRatesImport(FixtureRates(), shifted, kToday);
    const auto* error = std::get_if<RatesImportError>(&result);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(error->message.find("from line 3"), std::string::npos) << error->message;
}

TEST(RatesImport, RefusesAFileInUseThatCouldNotBeKept)
{
    RatesFile crowded;
    for (int i = 1; i <= 90; ++i)
        crowded.currencies.push_back({"Coin " + std::to_string(i), 1.0 * i});
    const auto result = BuildRatesImport(FixtureRates(), crowded, kToday);
    ASSERT_TRUE(std::holds_alternative<RatesImportError>(result));
    EXPECT_NE(std::get<RatesImportError>(result).message.find("more than 100"), std::string::npos);
}

struct ProblemCase
{
    const char* name;
    RatesFile fresh;
    const char* problem; // nullptr: none
};

TEST(NewRatesProblem, EveryOldCurrencyMustStayUsable)
{
    RatesFile old;
    old.currencies = {{"US Dollar", 1.0}, {"Euro", 0.9}, {"Broken", std::nullopt}};
    RatesFile shifted = old;
    shifted.misalignedLine = 9;
    const ProblemCase cases[] = {
        {"the same", old, nullptr},
        {"more",
            RatesFile {"", {{"Yen", 150.0}, {"US Dollar", 1.0}, {"Euro", 0.8}, {"Broken", 2.0}},
                std::nullopt},
            nullptr},
        {"one lost", RatesFile {"", {{"US Dollar", 1.0}, {"Broken", 1.0}}, std::nullopt},
            "not list Euro"},
        {"letter case differs",
            RatesFile {"", {{"US Dollar", 1.0}, {"EURO", 0.9}, {"Broken", 1.0}}, std::nullopt},
            "not list Euro"},
        {"a usable rate lost",
            RatesFile {
                "", {{"US Dollar", 1.0}, {"Euro", std::nullopt}, {"Broken", 1.0}}, std::nullopt},
            "no usable rate for Euro"},
        {"shifted", shifted, "line 9"},
    };
    for (const ProblemCase& row : cases) {
        const auto problem = NewRatesProblem(row.fresh, old);
        if (row.problem == nullptr) {
            EXPECT_FALSE(problem.has_value()) << row.name << ": " << *problem;
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << row.name;
        EXPECT_NE(problem->find(row.problem), std::string::npos) << row.name << ": " << *problem;
    }
}

} // namespace
} // namespace corrolab
