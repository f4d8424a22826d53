#pragma once

#include "base/refusal.h"
#include "catalogue/unit_catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab {

// The material of the corrosion-rate frame, which links the three families of
// corrosion rates: current density, mass loss and penetration.
struct CorrosionMaterial
{
    double equivalentWeight = 0; // g per equivalent
    double ratio = 0; // equivalent weight / density, cm^3 per equivalent
};

// Two catalogue entries resolved once, for any number of values. Scaled units
// and temperatures convert numbers (value * scale + shift, in double
// precision); number formats convert whole-number texts.
class CatalogueConversion
{
public:
    bool ConvertsText() const { return textFrom_ != nullptr; }

    // The converted number; temperatures below absolute zero are refused.
    OrRefusal<double> Convert(double value) const;

    // Number formats: the text of a whole number in the "to" format.
    OrRefusal<std::string> ConvertText(std::string_view text) const;

private:
    friend OrRefusal<CatalogueConversion> ResolveCatalogueConversion(
        const CatalogueEntry&, const CatalogueEntry&, const CorrosionMaterial&);

    // Scaled units: value * scale. Temperatures: (value + fromZero) * scale - toZero,
    // with the zeros counted in degrees of their own scales from absolute zero.
    double scale_ = 1;
    double fromZero_ = 0;
    double toZero_ = 0;
    bool temperature_ = false;
    std::string_view fromName_;
    const UnitDefinition* textFrom_ = nullptr;
    const UnitDefinition* textTo_ = nullptr;
};

// Resolves a conversion between two catalogue rows. Rows of two categories, or of
// two quantities within one (m/s and rad/s), do not convert, except that within
// "Corrosion rate" current density, mass loss and penetration convert through
// the material (Faraday's law with 96 500 C per equivalent, and the density
// equivalent weight / ratio), exactly as the corrosion-rate units do.
OrRefusal<CatalogueConversion> ResolveCatalogueConversion(
    const CatalogueEntry& from, const CatalogueEntry& to, const CorrosionMaterial& material);

} // namespace corrolab
