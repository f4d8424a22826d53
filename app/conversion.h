#pragma once

#include "app/unit_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// Where a conversion's two units were found.
struct UnitPair
{
    int category = 0;
    int from = 0;
    int to = 0;
};

// Finds both names in the first category, in index order, that holds them (exact
// text); std::nullopt when no category holds both.
std::optional<UnitPair> FindUnitPair(
    const UnitTable& table, std::string_view from, std::string_view to);

// factor(to) / factor(from), kept in single precision as the window keeps it;
// std::nullopt when the "from" factor is 0 or either factor or the ratio is not
// a finite single-precision number.
std::optional<float> ConversionRatio(const UnitTable& table, const UnitPair& pair);

// Two units resolved once for any number of values: the single-precision ratio
// the window keeps, and how far that ratio lies from the exact one, relative.
struct ResolvedConversion
{
    float ratio;
    double ratioError;
};

// Resolves two names as the main window's lists show them: as written, or else
// in capitals (how the currency row keeps its names), so that every currency the
// lists show converts. std::nullopt when no conversion is possible.
std::optional<ResolvedConversion> ResolveUnits(
    const UnitTable& table, std::string_view from, std::string_view to);

// The converted value of a typed text; std::nullopt when the text holds a number
// too large for a double or the result is not finite.
std::optional<double> ApplyConversion(const ResolvedConversion& conversion, std::string_view value);

// ASCII letters in capitals, the form the currency row keeps its names in.
std::string AsciiCapitals(std::string_view text);

// The result as the result box shows it: fixed with 3 significant decimals for
// small values, or the scientific form. Digits that only stand for the rounding
// of a single-precision ratio (ratioError) are not cut away: 100 x 0.965f is
// 96.499997 and shows as 96.500.
std::string ResultText(double x, bool scientific, double ratioError = 0);

// The result box's text for a conversion, empty when none is possible.
std::string GetResult(const UnitTable& table, std::string_view value, std::string_view from,
    std::string_view to, bool scientific);

} // namespace corrolab
