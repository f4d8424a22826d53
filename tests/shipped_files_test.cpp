#include "catalogue/unit_catalogue.h"
#include "currency/rates_reader.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace corrolab {
namespace {

std::string Shipped(const char* name)
{
    std::ifstream in(std::string(CORROLAB_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(ShippedFiles, UnitListMatchesTheCatalogue)
{
    EXPECT_EQ(Shipped("units.txt"), UnitsListing())
        << "regenerate data/units.txt from the catalogue";
}

TEST(ShippedFiles, RatesFileHoldsEveryCatalogueCurrency)
{
    const RatesFile file = ParseRatesFile(Shipped("Currency.txt"));
    const auto names = UnitsForSelection("Currencies");
    ASSERT_EQ(file.currencies.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(file.currencies[i].name, names[i]);
        EXPECT_TRUE(file.currencies[i].rate.has_value()) << names[i];
    }
    EXPECT_FALSE(file.caption.empty());
}

TEST(ShippedFiles, LegacyEuroCurrenciesConvertAtTheirFixedRates)
{
    const RatesFile file = ParseRatesFile(Shipped("Currency.txt"));
    const auto rate = [&file](const char* name) {
        for (const auto& currency : file.currencies)
            if (currency.name == name)
                return currency.rate.value_or(0);
        return 0.0;
    };
    const double euro = rate("Euro");
    const std::pair<const char*, double> fixed[] = {
        {"Deutsche Mark", 1.95583},
        {"French Franc", 6.55957},
        {"Italian Lira", 1936.27},
        {"Spanish Peseta", 166.386},
        {"Holland Guilder", 2.20371},
        {"Belgium Franc", 40.3399},
        {"Austrian Schilling", 13.7603},
        {"Finland Markka", 5.94573},
        {"Irish Pound", 0.787564},
        {"Greek Drachma", 340.750},
        {"Cyprus Pound", 0.585274},
    };
    for (const auto& [name, perEuro] : fixed)
        EXPECT_NEAR(rate(name) / euro, perEuro, perEuro * 1e-12) << name;
}

TEST(ShippedFiles, HelpDescribesEveryMenu)
{
    const std::string help = Shipped("help.txt");
    for (const char* item : {"Units Converter and Dictionary", "Periodic Table of Elements",
             "Alloys and Compositions", "Expression Calculator", "Close Window", "Always on Top",
             "Settings", "Currencies.txt", "Units.txt", "96500", "31557600",
             "Corrosion Calculators", "carbon steel", "3.45 x 10^6", "0.025 - 0.12"})
        EXPECT_NE(help.find(item), std::string::npos) << item;
}

} // namespace
} // namespace corrolab
