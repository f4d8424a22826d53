#pragma once

#include "catalogue/quantity.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab {

// How a unit's values convert.
enum class UnitKind : std::uint8_t {
    Scaled, // a multiple of the coherent unit of its quantity
    Temperature, // a temperature scale: a degree size and a zero point
    NumberFormat, // whole numbers written in a base, or Roman numerals
    Currency, // converts by the exchange-rates file
};

// One catalogue entry: its name as the lists show it and what it means. The
// value of 1 unit is `amount` (coherent SI units). A temperature scale counts
// `offset` of its degrees from absolute zero to its 0, so that t on the scale is
// (t + offset) * amount kelvins.
struct UnitDefinition
{
    std::string_view name;
    UnitKind kind = UnitKind::Scaled;
    Quantity amount;
    double offset = 0;
    int radix = 0; // number formats: 2 to 16; 0 for Roman numerals
    std::string_view meaning; // for people: "furlong, 660 ft"; empty when the name says it all
};

constexpr UnitDefinition Unit(std::string_view name, Quantity amount, std::string_view meaning = {})
{
    return {name, UnitKind::Scaled, amount, 0, 0, meaning};
}

constexpr UnitDefinition TemperatureScale(
    std::string_view name, double degreeKelvins, double degreesBelowZero, std::string_view meaning)
{
    return {name, UnitKind::Temperature, {degreeKelvins, Dimension::Of(Dimension::kTemperature)},
        degreesBelowZero, 0, meaning};
}

constexpr UnitDefinition NumberFormat(std::string_view name, int radix, std::string_view meaning)
{
    return {name, UnitKind::NumberFormat, {}, 0, radix, meaning};
}

constexpr UnitDefinition Currency(std::string_view name)
{
    return {name, UnitKind::Currency, {}, 0, 0, "a currency, at the rates of Currency.txt"};
}

// The definition line for people, without the name: "furlong, 660 ft = 201.168 m".
// `coherentUnit` names the coherent unit where the category prefers a name of its
// own for it ("N-m" for a moment); empty for the usual one.
std::string DefinitionText(const UnitDefinition& unit, std::string_view coherentUnit = {});

} // namespace corrolab
