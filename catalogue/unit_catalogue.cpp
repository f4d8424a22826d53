#include "catalogue/unit_catalogue.h"

#include "app/text.h"

#include <algorithm>

namespace corrolab {

namespace {

bool ListedOnlyByOwnName(const Category& category)
{
    return category.name == kNumberFormats || category.name == kCurrencies;
}

bool Names(const Category& category, std::string_view text)
{
    return category.name == text || (!category.alias.empty() && category.alias == text);
}

} // namespace

std::vector<std::string> CategoryChooserItems()
{
    std::vector<std::string> items {std::string(kAllCategories)};
    for (const Category& category : UnitCatalogue()) {
        items.emplace_back(category.name);
        if (!category.alias.empty())
            items.emplace_back(category.alias);
    }
    return items;
}

std::vector<std::string_view> UnitsForSelection(std::string_view selected)
{
    std::vector<std::string_view> units;
    for (const Category& category : UnitCatalogue()) {
        const bool listed = ListedOnlyByOwnName(category)
            ? Names(category, selected)
            : Names(category, selected) || selected == kAllCategories;
        if (listed)
            units.insert(units.end(), category.units.begin(), category.units.end());
    }
    return units;
}

std::vector<UnitMatch> CategoriesHoldingUnit(std::string_view unit)
{
    std::vector<UnitMatch> exact;
    std::vector<UnitMatch> otherCase;
    for (const Category& category : UnitCatalogue()) {
        const auto& units = category.units;
        if (std::ranges::find(units, unit) != units.end()) {
            exact.push_back({category.name, unit, true});
            continue;
        }
        const std::string capitals = AsciiCapitals(unit);
        const auto similar = std::ranges::find_if(
            units, [&capitals](std::string_view name) { return AsciiCapitals(name) == capitals; });
        if (similar != units.end())
            otherCase.push_back({category.name, *similar, false});
    }
    exact.insert(exact.end(), otherCase.begin(), otherCase.end());
    return exact;
}

std::string UnitsListing()
{
    std::string text;
    for (const Category& category : UnitCatalogue()) {
        text += category.name;
        if (!category.alias.empty())
            text += std::string(" or ") + std::string(category.alias);
        text += " (" + std::to_string(category.units.size()) + ")\n";
        for (std::string_view unit : category.units)
            text += "    " + std::string(unit) + "\n";
        text += "\n";
    }
    return text;
}

} // namespace corrolab
