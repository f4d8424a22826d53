#include "app/conversion.h"

#include "app/lenient_number.h"
#include "app/number_format.h"

#include <cmath>

namespace corrolab {

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

std::optional<float> ConversionRatio(const UnitTable& table, const UnitPair& pair)
{
    const double from = table.Factor(pair.from, pair.category);
    const double to = table.Factor(pair.to, pair.category);
    if (from == 0 || !std::isfinite(from) || !std::isfinite(to))
        return std::nullopt;
    const float ratio = static_cast<float>(to / from);
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

std::optional<ResolvedConversion> ResolveUnits(
    const UnitTable& table, std::string_view from, std::string_view to)
{
    std::optional<UnitPair> pair = FindUnitPair(table, from, to);
    if (!pair)
        pair = FindUnitPair(table, AsciiCapitals(from), AsciiCapitals(to));
    if (!pair)
        return std::nullopt;
    const auto ratio = ConversionRatio(table, *pair);
    if (!ratio)
        return std::nullopt;
    const double exact
        = table.Factor(pair->to, pair->category) / table.Factor(pair->from, pair->category);
    const double error = exact == 0 ? 0 : std::fabs((static_cast<double>(*ratio) - exact) / exact);
    return ResolvedConversion {*ratio, error};
}

std::optional<double> ApplyConversion(const ResolvedConversion& conversion, std::string_view value)
{
    const auto number = LenientValue(value);
    if (!number)
        return std::nullopt;
    const double x = *number * static_cast<double>(conversion.ratio);
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

std::string AsciiCapitals(std::string_view text)
{
    std::string capitals(text);
    for (char& c : capitals)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return capitals;
}

std::string ResultText(double x, bool scientific, double ratioError)
{
    if (scientific)
        return FormatScientific(x);
    // Twice the ratio's own error, so that the product's rounding is covered too.
    return FormatFixed(x, 1, 3 + LeadingZeroCount(x), 2 * ratioError);
}

std::string GetResult(const UnitTable& table, std::string_view value, std::string_view from,
    std::string_view to, bool scientific)
{
    const auto conversion = ResolveUnits(table, from, to);
    if (!conversion)
        return {};
    const auto x = ApplyConversion(*conversion, value);
    return x ? ResultText(*x, scientific, conversion->ratioError) : std::string();
}

} // namespace corrolab
