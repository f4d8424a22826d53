#include "tools/element_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {
namespace {

constexpr std::size_t kFieldCount = 22;
constexpr std::string_view kNone = "--";

std::vector<std::string_view> Split(std::string_view record)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = record.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(record.substr(start));
            return fields;
        }
        fields.push_back(record.substr(start, comma - start));
        start = comma + 1;
    }
}

// Field (1-based) of the record for atomic number z.
std::string_view Field(int z, int field)
{
    return Split(
        ElementRecords()[static_cast<std::size_t>(z - 1)])[static_cast<std::size_t>(field - 1)];
}

double Number(std::string_view text)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc {} && end == text.data() + text.size()) << text;
    return value;
}

// Optional minus sign, digits, then exactly `decimals` digits after a point.
bool IsPlainDecimal(std::string_view text, int decimals)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction
        = point == std::string_view::npos ? std::string_view {} : text.substr(point + 1);
    const auto all_digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !all_digits(whole) || !all_digits(fraction))
        return false;
    if (decimals == 0)
        return point == std::string_view::npos;
    return point != std::string_view::npos && fraction.size() == static_cast<std::size_t>(decimals);
}

TEST(ElementRecords, HoldsOneRecordPerElementInOrder)
{
    const auto records = ElementRecords();
    ASSERT_EQ(records.size(), 109u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(records[i]);
        EXPECT_EQ(std::count(records[i].begin(), records[i].end(), ','), 21);
        EXPECT_EQ(records[i].find('"'), std::string_view::npos);
        const auto fields = Split(records[i]);
        ASSERT_EQ(fields.size(), kFieldCount);
        EXPECT_EQ(fields[2], std::to_string(i + 1));
    }
    EXPECT_EQ(Field(1, 1), "Hydrogen");
    EXPECT_EQ(Field(109, 1), "Meitnerium");
}

TEST(ElementRecords, OnlyActiniumConductivityIsEmpty)
{
    const auto records = ElementRecords();
    int empty_fields = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto fields = Split(records[i]);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (!fields[f].empty())
                continue;
            ++empty_fields;
            EXPECT_EQ(i + 1, 89u) << records[i];
            EXPECT_EQ(f + 1, 11u) << records[i];
        }
    }
    EXPECT_EQ(empty_fields, 1);
    EXPECT_NE(ElementRecords()[88].find(",,"), std::string_view::npos);
}

TEST(ElementRecords, FieldsHaveNoStrayWhitespaceAndAreAscii)
{
    for (const auto record : ElementRecords()) {
        SCOPED_TRACE(record);
        for (const auto field : Split(record)) {
            if (field.empty())
                continue;
            EXPECT_NE(field.front(), ' ');
            EXPECT_NE(field.back(), ' ');
        }
        EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f;
        }));
    }
}

struct Listed
{
    int z;
    std::string_view name, symbol, weight, density, valence;
};

TEST(ElementRecords, ListedValuesAreExact)
{
    const Listed listed[] = {
        {1, "Hydrogen", "H", "1.008", "71", "1"},
        {2, "Helium", "He", "4.003", "126", "0"},
        {6, "Carbon", "C", "12.011", "2260", "4"},
        {12, "Magnesium", "Mg", "24.312", "1740", "2"},
        {13, "Aluminum", "Al", "26.982", "2700", "3"},
        {14, "Silicon", "Si", "28.086", "2330", "4"},
        {15, "Phosphorus", "P", "30.984", "--", "--"},
        {16, "Sulfur", "S", "32.064", "2070", "2"},
        {22, "Titanium", "Ti", "47.900", "4510", "4"},
        {23, "Vanadium", "V", "50.942", "6100", "2"},
        {24, "Chromium", "Cr", "51.996", "7190", "3"},
        {25, "Manganese", "Mn", "54.938", "7430", "2"},
        {26, "Iron", "Fe", "55.847", "7860", "2"},
        {27, "Cobalt", "Co", "58.933", "8900", "2"},
        {28, "Nickel", "Ni", "58.710", "8900", "2"},
        {29, "Copper", "Cu", "63.540", "8960", "1"},
        {30, "Zinc", "Zn", "65.370", "7140", "2"},
        {33, "Arsenic", "As", "74.992", "5720", "3"},
        {34, "Selenium", "Se", "78.960", "4790", "3"},
        {42, "Molybdenum", "Mo", "95.940", "10200", "3"},
        {45, "Rhodium", "Rh", "102.905", "12400", "3"},
        {46, "Palladium", "Pd", "106.400", "12000", "2"},
        {47, "Silver", "Ag", "107.870", "10500", "1"},
        {48, "Cadmium", "Cd", "112.400", "8650", "2"},
        {50, "Tin", "Sn", "118.690", "7300", "2"},
        {51, "Antimony", "Sb", "121.750", "6620", "3"},
        {58, "Cerium", "Ce", "140.120", "6670", "3"},
        {74, "Wolfram", "W", "183.850", "19300", "6"},
        {77, "Iridium", "Ir", "192.220", "--", "3"},
        {78, "Platinum", "Pt", "195.090", "21400", "2"},
        {79, "Gold", "Au", "196.967", "19300", "3"},
        {80, "Mercury", "Hg", "200.590", "13600", "1"},
        {82, "Lead", "Pb", "207.190", "11400", "2"},
        {83, "Bismuth", "Bi", "208.980", "9800", "3"},
        {90, "Thorium", "Th", "232.038", "11700", "4"},
        {100, "Fermium", "Fm", "257.095", "--", "--"},
    };
    for (const Listed& e : listed) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(Field(e.z, 1), e.name);
        EXPECT_EQ(Field(e.z, 2), e.symbol);
        EXPECT_EQ(Field(e.z, 3), std::to_string(e.z));
        EXPECT_EQ(Field(e.z, 4), e.weight);
        EXPECT_EQ(Field(e.z, 8), e.density);
        EXPECT_EQ(Field(e.z, 16), e.valence);
    }
}

TEST(ElementRecords, NamesAndSymbolsFollowTheProgramsConventions)
{
    const std::map<int, std::pair<std::string_view, std::string_view>> names = {
        {55, {"Cesium", "Cs"}},
        {104, {"Rutherfordium", "Unq"}},
        {105, {"Dubnium", "Unp"}},
        {106, {"Seaborgium", "Unh"}},
        {107, {"Bohrium", "Uns"}},
        {108, {"Hassium", "Uno"}},
        {109, {"Meitnerium", "Une"}},
    };
    for (const auto& [z, name_symbol] : names) {
        EXPECT_EQ(Field(z, 1), name_symbol.first);
        EXPECT_EQ(Field(z, 2), name_symbol.second);
    }
    std::set<std::string_view> seen_names, seen_symbols;
    for (const auto record : ElementRecords()) {
        const auto fields = Split(record);
        EXPECT_TRUE(seen_names.insert(fields[0]).second) << fields[0];
        EXPECT_TRUE(seen_symbols.insert(fields[1]).second) << fields[1];
    }
}

TEST(ElementRecords, NumbersArePlainDecimalsWithTheFieldsPrecision)
{
    // field -> digits after the decimal point
    const std::map<int, int> decimals = {
        {3, 0},
        {4, 3},
        {5, 3},
        {6, 0},
        {7, 0},
        {8, 0},
        {9, 1},
        {10, 1},
        {11, 3},
        {12, 3},
        {13, 3},
        {14, 3},
        {15, 3},
        {16, 0},
        {17, 2},
        {20, 0},
    };
    for (const auto record : ElementRecords()) {
        SCOPED_TRACE(record);
        const auto fields = Split(record);
        for (const auto& [field, places] : decimals) {
            const std::string_view text = fields[static_cast<std::size_t>(field - 1)];
            if (text == kNone || text.empty())
                continue;
            EXPECT_TRUE(IsPlainDecimal(text, places)) << "field " << field << ": " << text;
        }
        for (int field : {3, 4, 21, 22}) {
            EXPECT_NE(fields[static_cast<std::size_t>(field - 1)], kNone) << field;
        }
    }
}

TEST(ElementRecords, EquivalentWeightIsWeightOverValence)
{
    for (const auto record : ElementRecords()) {
        SCOPED_TRACE(record);
        const auto fields = Split(record);
        const std::string_view weight = fields[3], valence = fields[15], equivalent = fields[16];
        if (valence == kNone || valence == "0") {
            EXPECT_EQ(equivalent, kNone);
            continue;
        }
        ASSERT_NE(equivalent, kNone);
        EXPECT_NEAR(Number(equivalent), Number(weight) / Number(valence), 0.005 + 1e-9);
    }
}

TEST(ElementRecords, NobleGasesHaveValenceZero)
{
    for (int z = 1; z <= 109; ++z) {
        const bool noble = z == 2 || z == 10 || z == 18 || z == 36 || z == 54 || z == 86;
        EXPECT_EQ(Field(z, 16) == "0", noble) << Field(z, 1);
    }
}

TEST(ElementRecords, CrystalStructureIsAKnownWord)
{
    const std::set<std::string_view> allowed = {
        "Hexagonal",
        "Body centered",
        "Face centered",
        "Cubic",
        "Rhombohedral",
        "Orthorhombic",
        "Monoclinic",
        "Tetragonal",
        kNone,
    };
    for (const auto record : ElementRecords()) {
        EXPECT_TRUE(allowed.contains(Split(record)[17])) << record;
    }
}

TEST(ElementRecords, HeatOfFusionIsBelowHeatOfVaporisation)
{
    for (const auto record : ElementRecords()) {
        const auto fields = Split(record);
        if (fields[8] == kNone || fields[9] == kNone)
            continue;
        EXPECT_LT(Number(fields[9]), Number(fields[8])) << record;
    }
}

// Counts the electrons of a configuration such as "[Ar] 4s2 3d6".
int ElectronCount(std::string_view config)
{
    static const std::map<std::string_view, int> cores = {
        {"[He]", 2},
        {"[Ne]", 10},
        {"[Ar]", 18},
        {"[Kr]", 36},
        {"[Xe]", 54},
        {"[Rn]", 86},
    };
    int count = 0;
    std::size_t start = 0;
    while (start < config.size()) {
        std::size_t end = config.find(' ', start);
        if (end == std::string_view::npos)
            end = config.size();
        const std::string_view part = config.substr(start, end - start);
        start = end + 1;
        if (const auto core = cores.find(part); core != cores.end()) {
            count += core->second;
            continue;
        }
        if (part.size() < 3 || std::string_view("spdf").find(part[1]) == std::string_view::npos) {
            return -1;
        }
        count += static_cast<int>(Number(part.substr(2)));
    }
    return count;
}

TEST(ElementRecords, ElectronConfigurationAccountsForEveryElectron)
{
    for (int z = 1; z <= 109; ++z) {
        EXPECT_EQ(ElectronCount(Field(z, 21)), z) << Field(z, 21);
    }
    EXPECT_EQ(Field(26, 21), "[Ar] 4s2 3d6");
}

} // namespace
} // namespace corrolab
