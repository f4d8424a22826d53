#pragma once

#include <string>
#include <variant>

namespace corrolab {

// Evaluates an arithmetic expression ("2*(3+4)^2", "sqrt(2)/3", "sin(_pi/6)").
// The point is the decimal separator in every locale. Gives the value, or a
// message saying what is wrong; a result that is not a finite number is refused.
std::variant<double, std::string> EvaluateExpression(const std::string& expression);

} // namespace corrolab
