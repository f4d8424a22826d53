#include "catalogue/quantity.h"

#include "catalogue/unit_symbols.h"

#include <utility>

namespace corrolab {

namespace {

using namespace symbols;

// Coherent units with a name of their own, looked up by dimension.
constexpr std::pair<Quantity, const char*> kNamedUnits[] = {
    {N, "N"},
    {J, "J"},
    {W, "W"},
    {Pa, "Pa"},
    {coul, "C"},
    {volt, "V"},
    {ohm, "ohm"},
    {farad, "F"},
    {henry, "H"},
    {mho, "S"},
    {weber, "Wb"},
    {weber / m / m, "T"},
    {lux, "lx"},
    {lm, "lm"},
    {number / s, "Bq"},
    {Pa * s, "Pa-s"},
    {W / m / K, "W/m-K"},
    {W / m / m / K, "W/m^2-K"},
    {J / kg / K, "J/kg-K"},
};

// Base symbols in the order compound units are written.
constexpr std::pair<Dimension::Base, const char*> kBaseSymbols[] = {
    {Dimension::kMass, "kg"},
    {Dimension::kLength, "m"},
    {Dimension::kLuminousIntensity, "cd"},
    {Dimension::kCurrent, "A"},
    {Dimension::kAngle, "rad"},
    {Dimension::kSolidAngle, "sr"},
    {Dimension::kTime, "s"},
    {Dimension::kTemperature, "K"},
};

std::string Power(const char* symbol, int exponent)
{
    std::string text = symbol;
    if (exponent != 1) {
        text += "^";
        text += std::to_string(exponent);
    }
    return text;
}

} // namespace

std::string CoherentUnitSymbol(const Dimension& dimension)
{
    for (const auto& [unit, name] : kNamedUnits)
        if (unit.dimension == dimension)
            return name;
    std::string numerator;
    std::string denominator;
    for (const auto& [base, symbol] : kBaseSymbols) {
        const int exponent = dimension.exponent[base];
        std::string& side = exponent > 0 ? numerator : denominator;
        if (exponent == 0)
            continue;
        if (!side.empty())
            side += "-";
        side += Power(symbol, exponent > 0 ? exponent : -exponent);
    }
    if (denominator.empty())
        return numerator;
    std::string text = numerator.empty() ? "1" : numerator;
    text += "/";
    text += denominator;
    return text;
}

} // namespace corrolab
