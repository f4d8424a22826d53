#pragma once

#include "app/conversion.h"
#include "base/unit_table.h"
#include "catalogue/catalogue_conversion.h"
#include "catalogue/unit_catalogue.h"

#include <string_view>
#include <vector>

namespace corrolab {

// What a conversion asks for: two unit names, where to look them up, and the
// list rows chosen when the lists hold every category.
struct ConversionRequest
{
    std::string_view category; // a chooser text; empty: any category that holds the names
    std::string_view from;
    std::string_view to;
    const CatalogueEntry* fromRow = nullptr; // rows of the all-categories listing
    const CatalogueEntry* toRow = nullptr;
};

// A resolved conversion, or the reason there is none. `candidates` names the
// categories to choose from when the names alone do not tell which is meant.
struct Resolution
{
    Conversion conversion;
    std::vector<std::string_view> candidates;
};

// Resolves two units once, for any number of values. The corrosion-rate units
// and the currencies convert through the unit table as they always have; every
// other pair of one category converts by its catalogue definitions.
Resolution ResolveConversion(
    const UnitTable& table, const CorrosionMaterial& material, const ConversionRequest& request);

// The catalogue definitions of two rows as a conversion of the main road.
Conversion CatalogueConversionOf(
    const CatalogueEntry& from, const CatalogueEntry& to, const CorrosionMaterial& material);

} // namespace corrolab
