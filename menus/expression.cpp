#include "menus/expression.h"

#include "base/shared_library.h"

#include <cmath>
#include <memory>
#include <muParserDLL.h>
#include <stdexcept>

namespace corrolab {

namespace {

// muparser's C interface, opened the first time an expression is evaluated.
struct MuparserFunctions
{
    decltype(&mupCreate) create;
    decltype(&mupRelease) release;
    decltype(&mupSetExpr) setExpression;
    decltype(&mupEvalMulti) evaluate;
    decltype(&mupError) failed; // and forgets that it failed
    decltype(&mupGetErrorMsg) message;
};

const MuparserFunctions& Muparser()
{
    static const MuparserFunctions functions = [] {
        const SharedLibrary& muparser = SharedLibrary::Open(CORROLAB_SONAME_LIBMUPARSER);
        return MuparserFunctions {CORROLAB_LIBRARY_FUNCTION(muparser, mupCreate),
            CORROLAB_LIBRARY_FUNCTION(muparser, mupRelease),
            CORROLAB_LIBRARY_FUNCTION(muparser, mupSetExpr),
            CORROLAB_LIBRARY_FUNCTION(muparser, mupEvalMulti),
            CORROLAB_LIBRARY_FUNCTION(muparser, mupError),
            CORROLAB_LIBRARY_FUNCTION(muparser, mupGetErrorMsg)};
    }();
    return functions;
}

} // namespace

std::variant<double, std::string> EvaluateExpression(const std::string& expression)
{
    if (expression.find_first_not_of(" \t") == std::string::npos)
        return std::string("Type an expression, for example 2*(3+4)^2.");
    const MuparserFunctions* library = nullptr;
    try {
        library = &Muparser();
    } catch (const std::runtime_error& error) {
        return std::string("No expression can be evaluated: ") + error.what();
    }
    const MuparserFunctions& mu = *library;
    const auto release = [&mu](muParserHandle_t parser) { mu.release(parser); };
    const std::unique_ptr<void, decltype(release)> parser(mu.create(muBASETYPE_FLOAT), release);
    if (!parser)
        return std::string("No expression can be evaluated.");
    mu.setExpression(parser.get(), expression.c_str());
    int results = 0;
    const double* values = mu.failed(parser.get()) ? nullptr : mu.evaluate(parser.get(), &results);
    if (values == nullptr || mu.failed(parser.get()))
        return std::string(mu.message(parser.get()));
    // A comma separates function arguments: "1,5" is two results, not one and a half.
    if (results != 1)
        return std::string("Write one expression, with a point as the decimal separator.");
    const double value = values[0];
    if (!std::isfinite(value))
        return std::string("The result is not a finite number.");
    return value;
}

} // namespace corrolab
