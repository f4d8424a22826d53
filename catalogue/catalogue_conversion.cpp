#include "catalogue/catalogue_conversion.h"

#include "base/number_format.h"
#include "catalogue/unit_symbols.h"
#include "catalogue/whole_number_text.h"
#include "corrosion/corrosion_rate_units.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace corrolab {

namespace {

using namespace symbols;

constexpr std::string_view kCorrosionRate = "Corrosion rate";

// The corrosion-rate families in the order that Faraday's law and the density
// link them; -1 for any other quantity.
int CorrosionFamily(const Dimension& dimension)
{
    constexpr Quantity kFamilies[] = {amp / m / m, kg / m / m / s, m / s};
    for (int i = 0; i < 3; ++i)
        if (kFamilies[i].dimension == dimension)
            return i;
    return -1;
}

// Coherent units of the "to" family per coherent unit of the "from" family;
// std::nullopt when the material does not give a usable link.
std::optional<double> CorrosionLink(int from, int to, const CorrosionMaterial& material)
{
    const double kgPerCoulomb = material.equivalentWeight / 1000 / kFaraday;
    const double kgPerM3 = material.equivalentWeight / material.ratio * 1000;
    const double steps[] = {kgPerCoulomb, 1 / kgPerM3}; // family 0 to 1, 1 to 2
    double link = 1;
    for (int i = std::min(from, to); i < std::max(from, to); ++i)
        link *= steps[i];
    if (from > to)
        link = 1 / link;
    if (!std::isfinite(link) || link == 0)
        return std::nullopt;
    return link;
}

Refusal DifferentQuantities(const CatalogueEntry& from, const CatalogueEntry& to)
{
    const auto named = [&](const CatalogueEntry& entry) {
        std::string name(entry.unit->name);
        if (from.category != to.category)
            name += " (" + std::string(entry.category->name) + ")";
        return name;
    };
    return {named(from) + " and " + named(to) + " measure different quantities"};
}

// A result to 15 significant digits: what is beyond them is the rounding of
// factors held in binary (1e-6 / 1e-3 is 0.0009999999999999998), which would
// otherwise show as a digit more or one less.
double Significant15(double x)
{
    if (x == 0 || !std::isfinite(x))
        return x;
    const int shift = 14 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
    if (shift < -22 || shift > 22) // beyond the powers of ten a double holds exactly
        return x;
    const double power = std::pow(10.0, std::abs(shift));
    return shift >= 0 ? std::round(x * power) / power : std::round(x / power) * power;
}

} // namespace

OrRefusal<double> CatalogueConversion::Convert(double value) const
{
    if (!temperature_) {
        const double result = value * scale_;
        if (!std::isfinite(result))
            return Refusal {"the result is out of range"};
        return Significant15(result);
    }
    // Degrees above absolute zero on the "from" scale; -273.15 C is exactly 0.
    const double aboveZero = value + fromZero_;
    if (aboveZero < 0)
        return Refusal {
            PlainText(value) + " " + std::string(fromName_) + " is below absolute zero"};
    const double scaled = aboveZero * scale_;
    double result = scaled - toZero_;
    // What is left of subtracting two nearly equal numbers is their rounding:
    // 32 F is 0 C, not 5.7e-14 C.
    if (std::fabs(result) < 1e-12 * std::max(std::fabs(scaled), std::fabs(toZero_)))
        result = 0;
    if (!std::isfinite(result))
        return Refusal {"the result is out of range"};
    return Significant15(result);
}

OrRefusal<std::string> CatalogueConversion::ConvertText(std::string_view text) const
{
    const auto value = ReadWholeNumber(text, *textFrom_);
    if (const auto* refusal = std::get_if<Refusal>(&value))
        return *refusal;
    return WriteWholeNumber(std::get<std::int64_t>(value), *textTo_);
}

OrRefusal<CatalogueConversion> ResolveCatalogueConversion(
    const CatalogueEntry& from, const CatalogueEntry& to, const CorrosionMaterial& material)
{
    const UnitDefinition& a = *from.unit;
    const UnitDefinition& b = *to.unit;
    const bool sameList = from.category->units.data() == to.category->units.data();
    if (!sameList || a.kind != b.kind || a.kind == UnitKind::Currency)
        return DifferentQuantities(from, to);

    CatalogueConversion conversion;
    conversion.fromName_ = a.name;
    if (a.kind == UnitKind::NumberFormat) {
        conversion.textFrom_ = &a;
        conversion.textTo_ = &b;
        return conversion;
    }
    if (a.kind == UnitKind::Temperature) {
        conversion.temperature_ = true;
        conversion.scale_ = a.amount.factor / b.amount.factor;
        conversion.fromZero_ = a.offset;
        conversion.toZero_ = b.offset;
        return conversion;
    }
    conversion.scale_ = a.amount.factor / b.amount.factor;
    if (a.amount.dimension == b.amount.dimension)
        return conversion;
    const int familyA = CorrosionFamily(a.amount.dimension);
    const int familyB = CorrosionFamily(b.amount.dimension);
    if (from.category->name != kCorrosionRate || familyA < 0 || familyB < 0)
        return DifferentQuantities(from, to);
    const auto link = CorrosionLink(familyA, familyB, material);
    if (!link)
        return Refusal {"the material's equivalent weight and density are needed to convert "
            + std::string(a.name) + " to " + std::string(b.name)};
    conversion.scale_ *= *link;
    return conversion;
}

} // namespace corrolab
