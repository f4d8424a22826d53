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

// The converted value of a typed text, or std::nullopt when no conversion is
// possible or its result is not a finite number.
std::optional<double> ConvertValue(
    const UnitTable& table, std::string_view value, std::string_view from, std::string_view to);

// ASCII letters in capitals, the form the currency row keeps its names in.
std::string AsciiCapitals(std::string_view text);

// The main window's conversion of names as its lists show them: the names as
// written, or else in capitals, so that every currency the lists show converts.
// Sets `ratio` to the single-precision ratio used, when one was found.
std::optional<double> ConvertListedUnits(const UnitTable& table, std::string_view value,
    std::string_view from, std::string_view to, float* ratio = nullptr);

// The result as the result box shows it: fixed with 3 significant decimals for
// small values, or the scientific form.
std::string ResultText(double x, bool scientific);

// The result box's text for a conversion, empty when none is possible.
std::string GetResult(const UnitTable& table, std::string_view value, std::string_view from,
    std::string_view to, bool scientific);

} // namespace corrolab
