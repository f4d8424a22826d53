#include "catalogue/catalogue_conversion.h"
#include "catalogue/whole_number_text.h"
#include "corrosion/corrosion_rate_units.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

constexpr CorrosionMaterial kIron {27.92, 3.5526};

CatalogueEntry Entry(std::string_view category, std::string_view unit)
{
    const Category* found = FindCategory(category);
    EXPECT_NE(found, nullptr) << category;
    const UnitDefinition* defined = found ? FindUnit(*found, unit) : nullptr;
    EXPECT_NE(defined, nullptr) << category << " " << unit;
    return {found, defined};
}

OrRefusal<CatalogueConversion> Resolve(std::string_view category, std::string_view from,
    std::string_view to, const CorrosionMaterial& material = kIron)
{
    return ResolveCatalogueConversion(Entry(category, from), Entry(category, to), material);
}

// The converted number, or NaN with the reason reported.
double Converted(std::string_view category, std::string_view from, std::string_view to,
    double value, const CorrosionMaterial& material = kIron)
{
    const auto conversion = Resolve(category, from, to, material);
    if (const auto* refusal = std::get_if<Refusal>(&conversion)) {
        ADD_FAILURE() << from << " -> " << to << " refused: " << refusal->reason;
        return std::nan("");
    }
    const auto result = std::get<CatalogueConversion>(conversion).Convert(value);
    if (const auto* refusal = std::get_if<Refusal>(&result)) {
        ADD_FAILURE() << value << " " << from << " -> " << to << " refused: " << refusal->reason;
        return std::nan("");
    }
    return std::get<double>(result);
}

std::string Reason(const OrRefusal<double>& result)
{
    const auto* refusal = std::get_if<Refusal>(&result);
    return refusal ? refusal->reason
                   : "(converted to " + std::to_string(std::get<double>(result)) + ")";
}

struct ScaledCase
{
    const char* category;
    double value;
    const char* from;
    const char* to;
    double expected;
};

TEST(CatalogueConversion, ConvertsByTheChosenMeanings)
{
    const ScaledCase cases[] = {
        {"Length", 1, "furlong", "m", 201.168},
        {"Length", 1, "mile", "furlong", 8},
        {"Length", 72, "pt", "in", 1},
        {"Length", 1000, "mil", "in", 1},
        {"Length", 1, "cable(long)", "fathom", 120},
        {"Length", 1, "pace", "step", 2},
        {"Angle", 1, "pt", "deg", 11.25},
        {"Angle", 6400, "mil", "rev", 1},
        {"Angle", 60, "s", "min", 1},
        {"Angle", 400, "grad", "deg", 360},
        {"Mass", 1, "ton", "lb", 2000},
        {"Volume", 1, "barrel", "gal", 42},
        {"Volume", 1, "gal", "ozf", 128},
        {"Volume", 1, "UKgal", "lit", 4.54609},
        {"Volume", 2, "pint", "quart", 1},
        {"Power", 1, "TR", "Btu/hr", 12000},
        {"Power", 1, "hp", "W", 745.69987158227},
        {"Energy", 1, "cal", "J", 4.1868},
        {"Energy", 1, "therm", "Btu", 105480400 / 1055.05585262},
        {"Time", 1, "year", "day", 365.25},
        {"Time", 12, "month", "year", 1},
        {"Solid angle", 1, "Sphere", "Hemisphere", 2},
        {"Solid angle", 8100, "Degree", "RightAngle", 1},
        {"Amount of substance", 1, "Crore", "Lac", 100},
        {"Amount of substance", 1, "Mole", "Units", 6.02214076e23},
        {"Area", 4, "rood", "acre", 1},
        {"Area", 1, "township", "mile^2", 36},
        {"Current density", 1, "amp/cm^2", "amp/m^2", 1e4},
        {"Pressure", 1, "ksi", "psi", 1000},
        {"Angular velocity", 1, "rpm", "deg/s", 6},
    };
    for (const ScaledCase& row : cases)
        EXPECT_NEAR(Converted(row.category, row.from, row.to, row.value), row.expected,
            1e-12 * std::fabs(row.expected))
            << row.category << ": " << row.value << " " << row.from << " -> " << row.to;
}

TEST(CatalogueConversion, ConvertsTemperaturesWithTheirZeros)
{
    const ScaledCase cases[] = {
        {"Temperature", 100, "C", "F", 212},
        {"Temperature", 32, "F", "C", 0},
        {"Temperature", -40, "C", "F", -40},
        {"Temperature", 0, "K", "C", -273.15},
        {"Temperature", 0, "C", "K", 273.15},
        {"Temperature", 212, "F", "K", 373.15},
        {"Temperature", 491.67, "R", "F", 32},
        {"Temperature", 100, "K", "R", 180},
        {"Temperature", -273.15, "C", "K", 0},
        {"Temperature", -459.67, "F", "R", 0},
    };
    for (const ScaledCase& row : cases)
        EXPECT_NEAR(Converted(row.category, row.from, row.to, row.value), row.expected, 1e-9)
            << row.value << " " << row.from << " -> " << row.to;
}

TEST(CatalogueConversion, TemperaturesAtTheOtherScalesZeroAreExactlyZero)
{
    const ScaledCase cases[] = {
        {"Temperature", 32, "F", "C", 0},
        {"Temperature", 273.15, "K", "C", 0},
        {"Temperature", 459.67, "R", "F", 0},
        {"Temperature", -17.77777777777778, "C", "F", 0},
    };
    for (const ScaledCase& row : cases)
        EXPECT_EQ(Converted(row.category, row.from, row.to, row.value), 0.0)
            << row.value << " " << row.from << " -> " << row.to;
}

TEST(CatalogueConversion, RefusesTemperaturesBelowAbsoluteZero)
{
    const struct
    {
        double value;
        const char* from;
        const char* reason;
    } cases[] = {
        {-273.16, "C", "-273.16 C is below absolute zero"},
        {-1, "K", "-1 K is below absolute zero"},
        {-460, "F", "-460 F is below absolute zero"},
        {-0.5, "R", "-0.5 R is below absolute zero"},
    };
    for (const auto& row : cases) {
        const auto conversion = Resolve("Temperature", row.from, "K");
        ASSERT_TRUE(std::holds_alternative<CatalogueConversion>(conversion)) << row.from;
        EXPECT_EQ(Reason(std::get<CatalogueConversion>(conversion).Convert(row.value)), row.reason);
    }
}

TEST(CatalogueConversion, RefusesPairsThatMeasureDifferentThings)
{
    const struct
    {
        CatalogueEntry from;
        CatalogueEntry to;
        const char* reason;
    } cases[] = {
        {Entry("Angular velocity", "m/s"), Entry("Angular velocity", "rad/s"),
            "m/s and rad/s measure different quantities"},
        {Entry("Illumination", "lux"), Entry("Illumination", "nit"),
            "lux and nit measure different quantities"},
        {Entry("Luminous intensity", "cd"), Entry("Luminous intensity", "lm"),
            "cd and lm measure different quantities"},
        {Entry("Angle", "s"), Entry("Time", "s"),
            "s (Angle) and s (Time) measure different quantities"},
        {Entry("Energy", "N-m"), Entry("Moment", "N-m"),
            "N-m (Energy) and N-m (Moment) measure different quantities"},
        {Entry("Current density", "amp/cm^2"), Entry("Current density", "amp/cm^2"), nullptr},
        {Entry("Flow rate", "g/s"), Entry("Mass flow rate", "kg/s"),
            nullptr}, // one list, two names
    };
    for (const auto& row : cases) {
        const auto conversion = ResolveCatalogueConversion(row.from, row.to, kIron);
        const auto* refusal = std::get_if<Refusal>(&conversion);
        if (row.reason)
            EXPECT_EQ(refusal ? refusal->reason : "(converts)", row.reason);
        else
            EXPECT_EQ(refusal, nullptr) << refusal->reason;
    }
}

TEST(CatalogueConversion, EveryEntryConvertsToItself)
{
    size_t entries = 0;
    for (const Category& category : UnitCatalogue()) {
        for (const UnitDefinition& unit : category.units) {
            ++entries;
            if (unit.kind == UnitKind::Currency || unit.kind == UnitKind::NumberFormat)
                continue;
            const auto conversion
                = ResolveCatalogueConversion({&category, &unit}, {&category, &unit}, kIron);
            ASSERT_TRUE(std::holds_alternative<CatalogueConversion>(conversion)) << unit.name;
            EXPECT_GT(unit.amount.factor, 0) << category.name << " " << unit.name;
            const auto same = std::get<CatalogueConversion>(conversion).Convert(5);
            EXPECT_NEAR(std::get<double>(same), 5, 1e-12) << category.name << " " << unit.name;
        }
    }
    EXPECT_EQ(entries, 597u);
}

// The catalogue's corrosion-rate names convert exactly as the ten corrosion-rate
// units do, whichever family (current, mass loss, penetration) each is in.
TEST(CatalogueConversion, CorrosionRatesAgreeWithTheCorrosionRateUnits)
{
    const auto factors = CorrosionRateFactors(kIron.equivalentWeight, kIron.ratio);
    for (const UnitFactor& from : factors) {
        for (const UnitFactor& to : factors) {
            const double expected = to.factor / from.factor;
            EXPECT_NEAR(
                Converted("Corrosion rate", from.name, to.name, 1), expected, 1e-12 * expected)
                << from.name << " -> " << to.name;
        }
    }
}

TEST(CatalogueConversion, CatalogueCorrosionNamesMatchTheirCorrosionUnits)
{
    const struct
    {
        const char* from;
        const char* to;
        double expected;
        double tolerance;
    } cases[] = {
        {"mm/year", "mpy", 39.370, 5e-4},
        {"mm/year", "mil/year", 39.370, 5e-4},
        {"ipy", "in/year", 1, 1e-12},
        {"mm/year", "micro_m/year", 1000, 1e-9},
        {"mdd", "mg/m^2-day", 100, 1e-9},
        {"mdd", "g/m^2-day", 0.1, 1e-12},
        // Iron: 1 mm/year of penetration is a mass loss of 21.52 g/m^2-day = 215.2 mdd.
        {"mm/year", "g/m^2-day", 21.52, 5e-3},
        {"mm/year", "mdd", 215.2, 5e-2},
        {"micro_m/year", "mg/m^2-day", 21.52, 5e-3},
    };
    for (const auto& row : cases)
        EXPECT_NEAR(Converted("Corrosion rate", row.from, row.to, 1), row.expected, row.tolerance)
            << row.from << " -> " << row.to;
}

TEST(CatalogueConversion, CorrosionFamiliesNeedTheMaterial)
{
    const CorrosionMaterial none {0, 0};
    const auto across = Resolve("Corrosion rate", "mm/year", "mdd", none);
    ASSERT_TRUE(std::holds_alternative<Refusal>(across));
    EXPECT_EQ(std::get<Refusal>(across).reason,
        "the material's equivalent weight and density are needed to convert mm/year to mdd");
    EXPECT_NEAR(Converted("Corrosion rate", "mm/year", "mpy", 1, none), 39.3700787, 1e-6);
    // Outside "Corrosion rate" the families stay apart.
    const auto other = ResolveCatalogueConversion(
        Entry("Current density", "amp/cm^2"), Entry("Velocity", "m/s"), kIron);
    EXPECT_TRUE(std::holds_alternative<Refusal>(other));
}

struct TextCase
{
    const char* text;
    const char* from;
    const char* to;
    const char* expected; // the result, or the reason it is refused
};

std::string ConvertedText(const TextCase& row)
{
    const auto conversion = Resolve("Number formats", row.from, row.to);
    const auto& resolved = std::get<CatalogueConversion>(conversion);
    EXPECT_TRUE(resolved.ConvertsText());
    const auto result = resolved.ConvertText(row.text);
    if (const auto* refusal = std::get_if<Refusal>(&result))
        return refusal->reason;
    return std::get<std::string>(result);
}

TEST(NumberFormats, ConvertWholeNumbersBetweenBases)
{
    const TextCase cases[] = {
        {"FF", "Hexadecimal", "Decimal", "255"},
        {"ff", "Hexadecimal", "Binary", "11111111"},
        {"255", "Decimal", "Binary", "11111111"},
        {"144", "Decimal", "Duodecimal", "100"},
        {"B", "Duodecimal", "Decimal", "11"},
        {"777", "Octal", "Hexadecimal", "1FF"},
        {" 12 ", "Decimal", "Octal", "14"},
        {"-255", "Decimal", "Hexadecimal", "-FF"},
        {"+10", "Binary", "Decimal", "2"},
        {"0", "Decimal", "Binary", "0"},
        {"9223372036854775807", "Decimal", "Hexadecimal", "7FFFFFFFFFFFFFFF"},
        {"-7FFFFFFFFFFFFFFF", "Hexadecimal", "Decimal", "-9223372036854775807"},
        {"111111111111111111111111111111111111111111111111111111111111111", "Binary", "Decimal",
            "9223372036854775807"},
    };
    for (const TextCase& row : cases)
        EXPECT_EQ(ConvertedText(row), row.expected)
            << row.text << " " << row.from << " -> " << row.to;
}

TEST(NumberFormats, ConvertRomanNumerals)
{
    const TextCase cases[] = {
        {"1994", "Decimal", "Roman", "MCMXCIV"},
        {"MCMXCIV", "Roman", "Decimal", "1994"},
        {"mcmxciv", "Roman", "Hexadecimal", "7CA"},
        {"3999", "Decimal", "Roman", "MMMCMXCIX"},
        {"1", "Decimal", "Roman", "I"},
        {"4", "Decimal", "Roman", "IV"},
        {"XLIX", "Roman", "Decimal", "49"},
        {"CDXLIV", "Roman", "Decimal", "444"},
        {"XIV", "Roman", "Roman", "XIV"},
    };
    for (const TextCase& row : cases)
        EXPECT_EQ(ConvertedText(row), row.expected)
            << row.text << " " << row.from << " -> " << row.to;
}

TEST(NumberFormats, RefuseWhatIsNotAWholeNumberOfTheFormat)
{
    const TextCase cases[] = {
        {"G", "Hexadecimal", "Decimal", "'G' is not a digit of Hexadecimal"},
        {"102", "Binary", "Decimal", "'2' is not a digit of Binary"},
        {"18", "Octal", "Decimal", "'8' is not a digit of Octal"},
        {"C", "Duodecimal", "Decimal", "'C' is not a digit of Duodecimal"},
        {"1e3", "Decimal", "Binary", "'e' is not a digit of Decimal"},
        {"1.5", "Decimal", "Binary", "number formats convert whole numbers only, not '1.5'"},
        {"2,5", "Decimal", "Binary", "number formats convert whole numbers only, not '2,5'"},
        {"9223372036854775808", "Decimal", "Hexadecimal",
            "the number is out of range (beyond 9223372036854775807 either way)"},
        {"10000000000000000", "Hexadecimal", "Decimal",
            "the number is out of range (beyond 9223372036854775807 either way)"},
        {"", "Decimal", "Binary", "type a whole number to convert"},
        {"-", "Decimal", "Binary", "'-' is not a whole number"},
        {"0", "Decimal", "Roman", "0 has no Roman numeral (they run from 1 to 3999)"},
        {"4000", "Decimal", "Roman", "4000 has no Roman numeral (they run from 1 to 3999)"},
        {"-5", "Decimal", "Roman", "-5 has no Roman numeral (they run from 1 to 3999)"},
        {"IIII", "Roman", "Decimal", "'IIII' is not a Roman numeral"},
        {"IC", "Roman", "Decimal", "'IC' is not a Roman numeral"},
        {"XIZ", "Roman", "Decimal", "'XIZ' is not a Roman numeral"},
        {"MMMM", "Roman", "Decimal", "Roman numerals run from 1 to 3999"},
        {"12", "Roman", "Decimal", "'12' is not a Roman numeral"},
    };
    for (const TextCase& row : cases)
        EXPECT_EQ(ConvertedText(row), row.expected)
            << row.text << " " << row.from << " -> " << row.to;
}

TEST(UnitDefinitions, DefinitionLinesStateMeaningAndValue)
{
    const struct
    {
        CatalogueEntry entry;
        const char* line;
    } cases[] = {
        {Entry("Length", "furlong"), "furlong, 660 ft = 201.168 m"},
        {Entry("Acceleration", "cm/s^2"), "cm/s^2 = 0.01 m/s^2"},
        {Entry("Mass", "ton"), "short ton, 2000 lb = 907.18474 kg"},
        {Entry("Moment", "N-m"), "N-m = 1 N-m"},
        {Entry("Energy", "N-m"), "N-m = 1 J"},
        {Entry("Pressure", "psi"), "pound-force per square inch = 6894.757293 Pa"},
        {Entry("Amount of substance", "Dozen"), "dozen = 12"},
        {Entry("Corrosion rate", "mdd"),
            "milligrams per dm^2 per day (mass loss) = 1.157407407e-09 kg/m^2-s"},
        {Entry("Temperature", "F"), "degree Fahrenheit, t F = (t + 459.67) / 1.8 K"},
        {Entry("Number formats", "Roman"), "Roman numerals from I (1) to MMMCMXCIX (3999)"},
        {Entry("Currencies", "Euro"), "a currency, at the rates of Currency.txt"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(DefinitionOf(row.entry), row.line) << row.entry.unit->name;
}

} // namespace
} // namespace corrolab
