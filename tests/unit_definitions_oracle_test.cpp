// Every catalogue definition checked against GNU units, an independent and
// well-kept unit database: each entry's value in coherent SI units must agree
// with what `units` computes for the same unit.
#include "catalogue/unit_catalogue.h"
#include "temp_folder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <sstream>

namespace corrolab {
namespace {

// Entries GNU units cannot check, and why.
const std::map<std::string, std::string> kUnchecked {
    {"Length|cubit", "GNU units has no cubit"},
    {"Area|sulung", "GNU units has no sulung"},
    {"Velocity|Mach",
        "GNU units' mach is the speed of sound at 0 C (331.46 m/s); the catalogue's is the "
        "standard atmosphere's at sea level, 15 C"},
};
// Whole categories GNU units cannot check.
const std::map<std::string, std::string> kUncheckedCategories {
    {"Number formats", "numerals, not quantities"},
    {"Currencies", "converted at the rates of Currency.txt, not by a fixed factor"},
};

// GNU units' spelling of a catalogue name where a plain translation of its
// parts does not give it. Keys are "Category|name" or, for every category, "name".
const std::map<std::string, std::string> kSpelling {
    {"Acceleration|g", "gravity"},
    {"Angle|pt", "pointangle"},
    {"Angle|mil", "circle/6400"},
    {"Angle|min", "arcmin"},
    {"Angle|s", "arcsec"},
    {"Angle|grad", "grade"},
    {"Length|pt", "point"},
    {"sqyard", "yard^2"},
    {"acre", "43560 ft^2"},
    {"township", "36 mile^2"},
    {"Darcy", "darcy"},
    {"siemen", "siemens"},
    {"AmpTurns", "ampere"},
    {"WH", "W hour"},
    {"KWH", "kW hour"},
    {"LitreAtmosphere", "liter atm"},
    {"therm", "UStherm"},
    {"TonTNT", "ton tnt"},
    {"ft-candle", "footcandle"},
    {"m-candle", "metercandle"},
    {"step", "pace"},
    {"pace", "geometricpace"},
    {"planck", "plancklength"},
    {"cable(short)", "cable"},
    {"cable(long)", "navycablelength"},
    {"em", "12 point"},
    {"link(engineer's)", "engineerslink"},
    {"link(surveyor's)", "surveyorslink"},
    {"NauticalMile", "nauticalmile"},
    {"Gauss", "gauss"},
    {"Gamma", "nanotesla"},
    {"line", "maxwell"},
    {"TR", "tonref"},
    {"inchHg", "inHg"},
    {"inchWater", "inH2O"},
    {"ftHg", "ft Hg"},
    {"ftWater", "ft water"},
    {"cmHg", "cm Hg"},
    {"cmWater", "cm water"},
    {"metreHg", "m Hg"},
    {"metreWater", "m water"},
    {"mmWater", "mm water"},
    {"Torr", "torr"},
    {"kilo_psi", "1000 psi"},
    {"month", "julianyear/12"},
    {"decade", "10 julianyear"},
    {"century", "100 julianyear"},
    {"millenium", "1000 julianyear"},
    {"cup", "uscup"},
    {"pint", "uspint"},
    {"quart", "usquart"},
    {"ozf", "usfloz"},
    {"UKgal", "brgallon"},
    {"tablespoon", "ustablespoon"},
    {"teaspoon", "usteaspoon"},
    {"Sphere", "sphere"},
    {"Hemisphere", "hemisphere"},
    {"Steradian", "sr"},
    {"Solid angle|Degree", "squaredegree"},
    {"Solid angle|Minute", "arcmin^2 sr/radian^2"},
    {"Solid angle|Second", "arcsec^2 sr/radian^2"},
    {"Solid angle|RightAngle", "rightangle^2 sr/radian^2"},
    {"Mole", "avogadro mol"},
    {"Dozen", "dozen"},
    {"Score", "score"},
    {"Units", "1"},
    {"Million", "million"},
    {"Billion", "billion"},
    {"Trillion", "trillion"},
    {"Quadrillion", "quadrillion"},
    {"Crore", "crore"},
    {"Lac", "lakh"},
    {"poisuelle", "poiseuille"},
    {"stoke", "stokes"},
    {"centi_stoke", "centistokes"},
    {"Curie", "curie"},
    {"Becquerel", "becquerel"},
    {"Rutherford", "rutherford"},
    {"Disintegrations per second", "1/s"},
    {"mdd", "mg/(dm^2 day)"},
    {"ipy", "inch/julianyear"},
    {"mpy", "mil/julianyear"},
};

// GNU units' spelling of the parts of compound names ("Btu/hr-ft-F").
const std::map<std::string, std::string> kPartSpelling {
    {"amp", "ampere"},
    {"milli_amp", "milliampere"},
    {"micro_amp", "microampere"},
    {"coul", "coulomb"},
    {"abcoul", "abcoulomb"},
    {"statcoul", "statcoulomb"},
    {"abamp", "abampere"},
    {"statamp", "statampere"},
    {"hr", "hour"},
    {"year", "julianyear"},
    {"lit", "liter"},
    {"C", "degC"},
    {"F", "degF"},
    {"cal", "calorie_IT"},
    {"kilo_cal", "kilocalorie_IT"},
    {"Btu", "btu"},
    {"ton", "shortton"},
    {"gal", "usgallon"},
    {"cft", "ft^3"},
    {"sft", "ft^2"},
    {"deg", "degree"},
    {"rad", "radian"},
    {"grad", "grade"},
    {"rev", "revolution"},
    {"gf", "gram force"},
    {"g", "gram"},
    {"lm", "lumen"},
    {"cd", "candela"},
    {"deci_m", "dm"},
    {"nano_m", "nm"},
    {"deca_m", "dam"},
    {"micro_m", "micrometer"},
    {"kilo_J", "kJ"},
    {"kilo_N", "kN"},
    {"kilo_W", "kW"},
    {"mega_W", "MW"},
    {"giga_W", "GW"},
    {"kilo_Pa", "kPa"},
    {"mega_Pa", "MPa"},
    {"giga_Pa", "GPa"},
    {"milli_Pa", "mPa"},
    {"kilo_line", "kilo maxwell"},
    {"NauticalMile", "nauticalmile"},
    {"centi_poise", "centipoise"},
};

std::string PartSpelling(const std::string& part)
{
    const size_t caret = part.find('^');
    const std::string base = part.substr(0, caret);
    const std::string power = caret == std::string::npos ? "" : part.substr(caret);
    const auto spelling = kPartSpelling.find(base);
    return "(" + (spelling == kPartSpelling.end() ? base : spelling->second) + ")" + power;
}

// "lbf-hr/ft^2" as "(lbf) (hour) / ((ft)^2)".
std::string CompoundSpelling(const std::string& name)
{
    std::string numerator;
    std::string denominator;
    std::string* side = &numerator;
    std::string part;
    const auto flush = [&] {
        if (!part.empty())
            *side += (side->empty() ? "" : " ") + PartSpelling(part);
        part.clear();
    };
    for (const char c : name) {
        if (c == '-' || c == '/') {
            flush();
            if (c == '/')
                side = &denominator;
        } else {
            part += c;
        }
    }
    flush();
    return denominator.empty() ? numerator : numerator + " / (" + denominator + ")";
}

std::string GnuSpelling(const Category& category, const UnitDefinition& unit)
{
    const std::string name(unit.name);
    if (const auto own = kSpelling.find(std::string(category.name) + "|" + name);
        own != kSpelling.end())
        return own->second;
    if (const auto shared = kSpelling.find(name); shared != kSpelling.end())
        return shared->second;
    return CompoundSpelling(name);
}

// The coherent unit of a dimension in GNU units' spelling (radians and
// steradians are plain numbers there, a count is 1).
std::string GnuCoherentUnit(const Dimension& dimension)
{
    static const char* const kSymbols[Dimension::kBaseCount]
        = {"m", "kg", "s", "A", "K", "cd", "radian", "sr", ""};
    std::string text = "1";
    for (int base = 0; base < Dimension::kBaseCount; ++base)
        if (dimension.exponent[base] != 0 && kSymbols[base][0] != '\0')
            text += std::string(" ") + kSymbols[base] + "^"
                + std::to_string(dimension.exponent[base]);
    return text;
}

struct Query
{
    std::string entry; // "Category|name"
    std::string expression; // what units computes, a plain number when all is well
    double expected; // the catalogue's value
};

std::vector<Query> Queries(std::vector<std::string>& unchecked)
{
    static const char* const kTemperatures[][2]
        = {{"K", "K"}, {"C", "tempC"}, {"F", "tempF"}, {"R", "tempR"}};
    std::vector<Query> queries;
    for (const Category& category : UnitCatalogue()) {
        for (const UnitDefinition& unit : category.units) {
            const std::string entry = std::string(category.name) + "|" + std::string(unit.name);
            if (const auto why = kUncheckedCategories.find(std::string(category.name));
                why != kUncheckedCategories.end()) {
                unchecked.push_back(std::string(category.name) + " (all "
                    + std::to_string(category.units.size()) + "): " + why->second);
                break;
            }
            if (const auto why = kUnchecked.find(entry); why != kUnchecked.end()) {
                unchecked.push_back(entry + ": " + why->second);
                continue;
            }
            if (unit.kind == UnitKind::Temperature) {
                // Two points fix a scale: its zero and its degree.
                for (const auto& [name, function] : kTemperatures) {
                    if (unit.name != name)
                        continue;
                    for (const double t : {0.0, 100.0}) {
                        const std::string value = std::to_string(static_cast<int>(t));
                        const std::string expression = std::string(function) == "K"
                            ? value + " K"
                            : std::string(function) + "(" + value + ")";
                        queries.push_back({entry + " at " + value, "(" + expression + ")/(K)",
                            (t + unit.offset) * unit.amount.factor});
                    }
                }
                continue;
            }
            queries.push_back({entry,
                "(1 " + GnuSpelling(category, unit) + ")/(" + GnuCoherentUnit(unit.amount.dimension)
                    + ")",
                unit.amount.factor});
        }
    }
    return queries;
}

bool HaveGnuUnits()
{
    return std::system("command -v units >/dev/null 2>&1") == 0;
}

// One `units` process answers every query: each query is a line followed by an
// empty line, which makes units print one line per query, a plain number when
// the query reduces to one.
std::vector<std::string> AskGnuUnits(const std::vector<Query>& queries, const TempFolder& folder)
{
    std::string input;
    for (const Query& query : queries)
        input += query.expression + "\n\n";
    const auto in = folder.Write("queries.txt", input);
    const auto out = folder.path() / "answers.txt";
    const std::string command
        = "LC_ALL=C units -t -q -d 15 < '" + in.string() + "' > '" + out.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream answers(out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(answers, line);)
        lines.push_back(line);
    return lines;
}

std::optional<double> PlainNumber(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

TEST(UnitDefinitionsOracle, EveryEntryAgreesWithGnuUnits)
{
    if (!HaveGnuUnits())
        GTEST_SKIP() << "GNU units is not installed (scripts/install-deps.sh installs it)";
    std::vector<std::string> unchecked;
    const std::vector<Query> queries = Queries(unchecked);
    const TempFolder folder;
    const std::vector<std::string> answers = AskGnuUnits(queries, folder);
    ASSERT_EQ(answers.size(), queries.size()) << "units answered out of step";
    for (size_t i = 0; i < queries.size(); ++i) {
        const auto value = PlainNumber(answers[i]);
        if (!value) {
            ADD_FAILURE() << queries[i].entry << ": units says '" << answers[i] << "' for "
                          << queries[i].expression;
            continue;
        }
        EXPECT_NEAR(queries[i].expected, *value, 5e-6 * std::fabs(*value))
            << queries[i].entry << ": catalogue " << queries[i].expected << ", units " << *value
            << " for " << queries[i].expression;
    }
    std::cout << queries.size() << " values checked; entries not checked:\n";
    for (const std::string& line : unchecked)
        std::cout << "  " << line << "\n";
}

TEST(UnitDefinitionsOracle, EveryExceptionNamesARealEntry)
{
    std::vector<std::string> unchecked;
    Queries(unchecked);
    for (const auto& [entry, why] : kUnchecked) {
        const bool listed = std::ranges::any_of(
            unchecked, [&entry](const std::string& line) { return line.starts_with(entry + ":"); });
        EXPECT_TRUE(listed) << entry;
    }
    for (const auto& [category, why] : kUncheckedCategories)
        EXPECT_TRUE(std::ranges::any_of(unchecked, [&category](const std::string& line) {
            return line.starts_with(category + " (all");
        })) << category;
}

} // namespace
} // namespace corrolab
