#pragma once

#include "base/checked.h"

#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// Reads a typed number strictly: blanks around it are ignored, a comma may stand
// for the decimal point (a spreadsheet in a decimal-comma locale pastes "0,650"),
// and nothing else may follow. Empty, "abc", "12abc" and values beyond the double
// range read as std::nullopt. The result never depends on the locale.
std::optional<double> StrictNumber(std::string_view text);

// A field's number with the reason it cannot be used: empty, not a number, or
// (for `positive`) zero or below. `what` names the quantity in the message
// ("the area").
Checked<double> FieldNumber(
    std::string_view text, const std::string& field, const std::string& what, bool positive);

// The same for a quantity that may be 0 but not negative.
Checked<double> FieldNumberNotNegative(
    std::string_view text, const std::string& field, const std::string& what);

// A result as text with four significant digits (or `digits`), in plain decimals
// between 0.001 and a million and as "2.600e-05" outside; "0" for 0.
// Locale-independent.
std::string ResultNumber(double value, int digits = 4);

} // namespace corrolab
