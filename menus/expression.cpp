#include "menus/expression.h"

#include <cmath>
#include <muParser.h>

namespace corrolab {

std::variant<double, std::string> EvaluateExpression(const std::string& expression)
{
    if (expression.find_first_not_of(" \t") == std::string::npos)
        return std::string("Type an expression, for example 2*(3+4)^2.");
    try {
        mu::Parser parser;
        parser.SetExpr(expression);
        const double value = parser.Eval();
        // A comma separates function arguments: "1,5" is two results, not one and a half.
        if (parser.GetNumResults() != 1)
            return std::string("Write one expression, with a point as the decimal separator.");
        if (!std::isfinite(value))
            return std::string("The result is not a finite number.");
        return value;
    } catch (const mu::Parser::exception_type& error) {
        return error.GetMsg();
    }
}

} // namespace corrolab
