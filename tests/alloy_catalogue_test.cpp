#include "alloys/alloy_catalogue.h"
#include "alloys/handbook_density.h"
#include "tools/component_row.h"
#include "tools/element_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace corrolab {
namespace {

// Symbols of elements 1 to 100.
constexpr std::array<std::string_view, 100> kSymbols {"H", "He", "Li", "Be", "B", "C", "N", "O",
    "F", "Ne", "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar", "K", "Ca", "Sc", "Ti", "V", "Cr", "Mn",
    "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y", "Zr", "Nb",
    "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I", "Xe", "Cs", "Ba", "La",
    "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta",
    "W", "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac",
    "Th", "Pa", "U", "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm"};

struct Token
{
    std::string percent; // "0.5", "12-14" or empty for a trace element
    std::string symbol;
};

struct Parsed
{
    std::vector<Token> tokens;
    std::string fault; // empty when the string is well formed
};

// Reads a composition string the strict way the catalogue promises to write it.
Parsed Parse(std::string_view composition)
{
    static const std::regex tokenForm(R"(((\d+(\.\d+)?)(-\d+(\.\d+)?)?)?([A-Z][a-z]?))");
    Parsed out;
    std::set<std::string> seen;
    std::string text(composition);
    size_t start = 0;
    while (true) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string token = text.substr(start, end - start);
        std::smatch m;
        if (token.size() < 2)
            return {{}, "empty or one-character token '" + token + "'"};
        if (!std::regex_match(token, m, tokenForm))
            return {{}, "malformed token '" + token + "'"};
        Token t {m[1].str(), m[6].str()};
        if (std::find(kSymbols.begin(), kSymbols.end(), t.symbol) == kSymbols.end())
            return {{}, "unknown symbol '" + t.symbol + "'"};
        if (t.symbol.size() == 1 && !t.percent.empty() && t.percent.back() == '0')
            return {{}, "one-letter symbol after 0 in '" + token + "'"};
        if (!seen.insert(t.symbol).second)
            return {{}, "element listed twice: " + t.symbol};
        out.tokens.push_back(t);
        if (end == text.size())
            break;
        start = end + 1;
    }
    if (out.tokens.size() > 9)
        return {{}, "more than 9 components"};
    return out;
}

// Sum of the percentages, a range counting as its first number and a trace element as 0.
double Total(const Parsed& parsed)
{
    double sum = 0;
    for (const Token& t : parsed.tokens)
        sum += t.percent.empty() ? 0.0 : std::stod(t.percent);
    return sum;
}

bool ListsTraces(const Parsed& parsed)
{
    return std::any_of(parsed.tokens.begin(), parsed.tokens.end(),
        [](const Token& t) { return t.percent.empty(); });
}

TEST(CompositionChecker, RejectsEachKindOfFault)
{
    const struct
    {
        const char* composition;
        const char* fault;
    } rows[] = {
        {"", "one-character"},
        {"90Fe  10Ni", "one-character"},
        {" 90Fe 10Ni", "one-character"},
        {"90Fe 10Ni ", "one-character"},
        {"99Fe C", "one-character"},
        {"90fe 10Ni", "malformed"},
        {"90Fe 10NI", "malformed"},
        {"90Fe 10%Ni", "malformed"},
        {".5Mg 99.5Al", "malformed"},
        {"90Fe 10Xx", "unknown symbol"},
        {"99Fe 1Md", "unknown symbol"},
        {"80W 20Cu", "after 0"},
        {"89.5Fe 10C 0.5Mn", "after 0"},
        {"80Fe 10Ni 10Fe", "twice"},
        {"91Fe 1Ni 1Cr 1Mo 1Mn 1Si 1Cu 1Co 1V 1Al", "more than 9"},
    };
    for (const auto& row : rows)
        EXPECT_NE(Parse(row.composition).fault.find(row.fault), std::string::npos)
            << "'" << row.composition << "' gave '" << Parse(row.composition).fault << "'";

    const Parsed ranged = Parse("86Al 12-14Cu 1.5Fe Pb");
    ASSERT_EQ(ranged.fault, "");
    EXPECT_DOUBLE_EQ(Total(ranged), 99.5);
    EXPECT_TRUE(ListsTraces(ranged));
    EXPECT_EQ(Parse("79.9W 20.1Cu").fault, "");
}

TEST(AlloyCatalogue, OffersTheBaseMetalsInOrder)
{
    const std::vector<std::string_view> expected {"Aluminum", "Bismuth", "Cerium", "Copper", "Gold",
        "Iron", "Lead", "Magnesium", "Mercury", "Nickel", "Palladium", "Platinum", "Silver", "Tin",
        "Tungsten", "Zinc", "Chromium", "Manganese", "Molybdenum", "Silicon", "Titanium", "Cobalt"};
    std::vector<std::string_view> names;
    for (const BaseMetal& metal : AlloyCatalogue())
        names.push_back(metal.name);
    EXPECT_EQ(names, expected);
}

TEST(AlloyCatalogue, HasEnoughAlloysPerBaseMetal)
{
    // Few named alloys of Cerium and Mercury exist; Chromium gave its cobalt-base
    // Stellites to Cobalt. The rest must offer at least five.
    const std::set<std::string_view> sparse {"Cerium", "Mercury", "Chromium", "Cobalt"};
    size_t total = 0;
    for (const BaseMetal& metal : AlloyCatalogue()) {
        total += metal.alloys.size();
        if (sparse.count(metal.name)) {
            EXPECT_GE(metal.alloys.size(), 1u) << metal.name;
            EXPECT_LT(metal.alloys.size(), 5u) << metal.name << " no longer needs its exception";
        } else {
            EXPECT_GE(metal.alloys.size(), 5u) << metal.name;
        }
    }
    EXPECT_EQ(total, 266u);
}

TEST(AlloyCatalogue, AlloyNamesAreUniqueIgnoringCase)
{
    std::set<std::string> seen;
    for (const BaseMetal& metal : AlloyCatalogue()) {
        for (const Alloy& alloy : metal.alloys) {
            std::string key(alloy.name);
            std::transform(key.begin(), key.end(), key.begin(),
                [](unsigned char c) { return std::tolower(c); });
            EXPECT_TRUE(seen.insert(key).second) << "duplicate: " << alloy.name;
            EXPECT_FALSE(
                alloy.name.empty() || alloy.name.front() == ' ' || alloy.name.back() == ' ')
                << "'" << alloy.name << "'";
        }
    }
}

TEST(AlloyCatalogue, EveryCompositionIsWellFormedAndContainsItsBaseMetal)
{
    const std::map<std::string_view, std::string> baseSymbol {{"Aluminum", "Al"}, {"Bismuth", "Bi"},
        {"Cerium", "Ce"}, {"Copper", "Cu"}, {"Gold", "Au"}, {"Iron", "Fe"}, {"Lead", "Pb"},
        {"Magnesium", "Mg"}, {"Mercury", "Hg"}, {"Nickel", "Ni"}, {"Palladium", "Pd"},
        {"Platinum", "Pt"}, {"Silver", "Ag"}, {"Tin", "Sn"}, {"Tungsten", "W"}, {"Zinc", "Zn"},
        {"Chromium", "Cr"}, {"Manganese", "Mn"}, {"Molybdenum", "Mo"}, {"Silicon", "Si"},
        {"Titanium", "Ti"}, {"Cobalt", "Co"}};
    // Traditional strings that do not total 100: 94 + 5 and 89 + 12.
    const std::set<std::string_view> offTotal {
        "Alclad 17 ST", "Aluminum-copper casting alloy (12-14% copper)"};

    for (const BaseMetal& metal : AlloyCatalogue()) {
        for (const Alloy& alloy : metal.alloys) {
            SCOPED_TRACE(std::string(alloy.name) + ": " + std::string(alloy.composition));
            const Parsed parsed = Parse(alloy.composition);
            ASSERT_EQ(parsed.fault, "");
            EXPECT_TRUE(std::any_of(parsed.tokens.begin(), parsed.tokens.end(),
                [&](const Token& t) { return t.symbol == baseSymbol.at(metal.name); }));
            if (ListsTraces(parsed) || offTotal.count(alloy.name))
                continue;
            EXPECT_NEAR(Total(parsed), 100.0, 0.5);
        }
    }
    for (std::string_view name : offTotal)
        EXPECT_FALSE(CompositionOf(name).empty()) << name;
}

TEST(AlloyCatalogue, KeepsTheTraditionalAluminumEntries)
{
    const struct
    {
        std::string_view name;
        std::string_view composition;
    } rows[] = {
        {"Alclad 17 ST", "94Al 4Cu 0.5Mg 0.5Mn"},
        {"Aluminum Alloy 3S", "98.8Al 1.2Mn"},
        {"Lynite 122", "88.6Al 10Cu 1.2Fe 0.2Mg"},
        {"Aluminum-copper casting alloy (12-14% copper)", "89Al 12-14Cu"},
        {"Aluminum-zinc die casting alloy (21% zinc)", "77Al 21Zn 1.1Cu 0.5Fe Pb Sn"},
    };
    const std::span<const Alloy> aluminum = AlloysOf("Aluminum");
    for (const auto& row : rows) {
        EXPECT_EQ(CompositionOf(row.name), row.composition) << row.name;
        EXPECT_TRUE(std::any_of(
            aluminum.begin(), aluminum.end(), [&](const Alloy& a) { return a.name == row.name; }))
            << row.name << " is not under Aluminum";
    }
}

TEST(AlloyCatalogue, LooksUpByExactName)
{
    for (const BaseMetal& metal : AlloyCatalogue()) {
        EXPECT_EQ(AlloysOf(metal.name).data(), metal.alloys.data()) << metal.name;
        for (const Alloy& alloy : metal.alloys)
            EXPECT_EQ(CompositionOf(alloy.name).data(), alloy.composition.data()) << alloy.name;
    }
    for (std::string_view unknown : {"", "Unobtainium", "Aluminum ", "Duralumin (classic)"})
        EXPECT_TRUE(AlloysOf(unknown).empty()) << "'" << unknown << "'";
    for (std::string_view unknown : {"", "Unobtainium", "Aluminum", "Alclad 17", "Alclad 17 ST "})
        EXPECT_TRUE(CompositionOf(unknown).empty()) << "'" << unknown << "'";
}

// A coupon's density: the handbook figure where the catalogue has one, else the
// element's own or the volume-additive mean; the corrected rows hold their new figures.
TEST(AlloyCatalogue, CouponDensitiesAndTheirSources)
{
    const ElementTable elements;
    const struct
    {
        const char* alloy;
        double density;
        const char* source;
    } rows[] = {
        {"Aluminum Alloy 24S (2024)", 2.78, "handbook"},
        {"Zamak 2", 6.6, "handbook"},
        {"Zamak 5", 6.6, "handbook"},
        {"18-8 stainless steel, Type 302", 7.86, "handbook"},
        {"Nichrome (80-20)", 8.40, "handbook"},
        {"Platinum-iridium 70/30", 21.77, "computed, volume-additive"},
        {"Super duplex stainless steel 2507 (S32750)", 7.80, "handbook"},
        {"Hastelloy C-22", 8.69, "handbook"},
        {"Nickel aluminum bronze C95800", 7.64, "handbook"},
        {"Stellite 6", 8.44, "handbook"},
        {"Y-alloy", 2.794, "volume-additive"},
    };
    for (const auto& row : rows) {
        const auto grid = CompositionRows(elements, std::string(CompositionOf(row.alloy)));
        ASSERT_TRUE(grid) << row.alloy;
        const auto density = CouponDensity(row.alloy, *grid);
        ASSERT_TRUE(density) << row.alloy;
        EXPECT_NEAR(density->value, row.density, 0.005) << row.alloy;
        EXPECT_EQ(DensitySourceWord(density->source), row.source) << row.alloy;
    }
    const auto iron = CompositionRows(elements, "100Fe");
    ASSERT_TRUE(iron);
    EXPECT_EQ(DensitySourceWord(CouponDensity("", *iron)->source), "element");
    EXPECT_EQ(FindAlloy("Stellite 6")->composition, "65.3Co 29Cr 4.5W 1.2C");
    EXPECT_EQ(CompositionOf("Aluminum Alloy 75S (7075)"), "90.07Al 5.6Zn 2.5Mg 1.6Cu 0.23Cr");
}

} // namespace
} // namespace corrolab
