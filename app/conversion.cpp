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

std::optional<double> ConvertValue(
    const UnitTable& table, std::string_view value, std::string_view from, std::string_view to)
{
    const auto pair = FindUnitPair(table, from, to);
    if (!pair)
        return std::nullopt;
    const auto ratio = ConversionRatio(table, *pair);
    const auto number = LenientValue(value);
    if (!ratio || !number)
        return std::nullopt;
    const double x = *number * static_cast<double>(*ratio);
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

std::optional<double> ConvertListedUnits(const UnitTable& table, std::string_view value,
    std::string_view from, std::string_view to, float* ratio)
{
    std::string fromName(from);
    std::string toName(to);
    std::optional<UnitPair> pair = FindUnitPair(table, fromName, toName);
    if (!pair) {
        fromName = AsciiCapitals(from);
        toName = AsciiCapitals(to);
        pair = FindUnitPair(table, fromName, toName);
    }
    if (pair && ratio)
        *ratio = ConversionRatio(table, *pair).value_or(0.0f);
    return pair ? ConvertValue(table, value, fromName, toName) : std::nullopt;
}

std::string ResultText(double x, bool scientific)
{
    if (scientific)
        return FormatScientific(x);
    // The ratio is held in single precision: 100 x 0.965f is 96.499997, which
    // must still show as 96.500, so digits within that precision are not cut.
    constexpr double kSinglePrecision = 2.4e-7; // 2^-22
    return FormatFixed(x, 1, 3 + LeadingZeroCount(x), kSinglePrecision);
}

std::string GetResult(const UnitTable& table, std::string_view value, std::string_view from,
    std::string_view to, bool scientific)
{
    const auto x = ConvertValue(table, value, from, to);
    return x ? ResultText(*x, scientific) : std::string();
}

} // namespace corrolab
