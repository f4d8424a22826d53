#include "app/conversion.h"

#include "base/lenient_number.h"
#include "base/number_format.h"
#include "base/refusal.h"
#include "base/text.h"

#include <cmath>

namespace corrolab {

namespace {

// The unit table's conversion: the typed value times a single-precision ratio.
class TableRatio : public ConversionRule
{
public:
    TableRatio(float ratio, double ratioError)
        : ratio_(ratio)
        , ratioError_(ratioError)
    { }

    ConversionOutcome Apply(std::string_view value, bool scientific) const override
    {
        const auto number = LenientValue(value);
        if (!number)
            return {{}, std::nullopt, ValueOutOfRange(value)};
        const double x = *number * static_cast<double>(ratio_);
        if (!std::isfinite(x))
            return {{}, std::nullopt, "the result is out of range"};
        return {ResultText(x, scientific, ratioError_), x, {}};
    }

private:
    float ratio_;
    double ratioError_; // how far the ratio lies from the exact one, relative
};

// factor(to) / factor(from) in single precision; std::nullopt when the "from"
// factor is 0 or either factor or the ratio is not a finite single-precision number.
std::optional<float> SinglePrecisionRatio(double from, double to)
{
    if (from == 0 || !std::isfinite(from) || !std::isfinite(to))
        return std::nullopt;
    const float ratio = static_cast<float>(to / from);
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

} // namespace

Conversion::Conversion(std::shared_ptr<const ConversionRule> rule)
    : rule_(std::move(rule))
{ }

Conversion Conversion::Refused(std::string reason)
{
    Conversion refused;
    refused.reason_ = std::move(reason);
    return refused;
}

Conversion Conversion::FromUnitTable(
    const UnitTable& table, std::string_view from, std::string_view to)
{
    std::optional<UnitPair> pair = FindUnitPair(table, from, to);
    if (!pair)
        pair = FindUnitPair(table, AsciiCapitals(from), AsciiCapitals(to));
    if (!pair) {
        for (const std::string_view name : {from, to})
            if (!TableHoldsUnit(table, name))
                return Refused("unknown unit " + Quoted(name));
        return Refused(Quoted(from) + " and " + Quoted(to) + " are not units of one category");
    }
    const double fromFactor = table.Factor(pair->from, pair->category);
    const double toFactor = table.Factor(pair->to, pair->category);
    const auto ratio = SinglePrecisionRatio(fromFactor, toFactor);
    if (!ratio)
        return Refused(Quoted(from)
            + " cannot be converted from for this material (its factor is 0 or unusable)");
    const double exact = toFactor / fromFactor;
    const double error = exact == 0 ? 0 : std::fabs((static_cast<double>(*ratio) - exact) / exact);
    return Conversion(std::make_shared<TableRatio>(*ratio, error));
}

std::string Conversion::Format(std::string_view value, bool scientific) const
{
    return Apply(value, scientific).text;
}

ConversionOutcome Conversion::Apply(std::string_view value, bool scientific) const
{
    return rule_ ? rule_->Apply(value, scientific) : ConversionOutcome {{}, std::nullopt, reason_};
}

std::string ValueOutOfRange(std::string_view value)
{
    const size_t first = value.find_first_not_of(" \t");
    const std::string_view typed = first == std::string_view::npos
        ? std::string_view()
        : value.substr(first, value.find_last_not_of(" \t") - first + 1);
    return Message("'", typed, "' is out of range");
}

bool TableHoldsUnit(const UnitTable& table, std::string_view name)
{
    const std::string capitals = AsciiCapitals(name);
    for (int c = 1; c <= UnitTable::kLastCategory; ++c)
        for (int u = 1; u <= UnitTable::kLastUnit; ++u)
            if (table.Name(u, c) == name || table.Name(u, c) == capitals)
                return true;
    return false;
}

std::optional<UnitPair> FindUnitPair(
    const UnitTable& table, std::string_view from, std::string_view to)
{
    for (int c = 1; c <= UnitTable::kLastCategory; ++c) {
        for (int u = 1; u <= UnitTable::kLastUnit; ++u) {
            if (table.Name(u, c) != from)
                continue;
            for (int v = 1; v <= UnitTable::kLastUnit; ++v)
                if (table.Name(v, c) == to)
                    return UnitPair {c, u, v};
        }
    }
    return std::nullopt;
}

std::string ResultText(double x, bool scientific, double ratioError)
{
    if (scientific)
        return FormatScientific(x);
    // Twice the ratio's own error, so that the product's rounding is covered too.
    return FormatFixed(x, 1, 3 + LeadingZeroCount(x), 2 * ratioError);
}

} // namespace corrolab
