#include "catalogue/unit_catalogue.h"

#include "base/text.h"

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

std::vector<CatalogueEntry> EntriesForSelection(std::string_view selected)
{
    std::vector<CatalogueEntry> entries;
    for (const Category& category : UnitCatalogue()) {
        const bool listed = ListedOnlyByOwnName(category)
            ? Names(category, selected)
            : Names(category, selected) || selected == kAllCategories;
        if (listed)
            for (const UnitDefinition& unit : category.units)
                entries.push_back({&category, &unit});
    }
    return entries;
}

std::vector<std::string_view> UnitsForSelection(std::string_view selected)
{
    std::vector<std::string_view> units;
    for (const CatalogueEntry& entry : EntriesForSelection(selected))
        units.push_back(entry.unit->name);
    return units;
}

const Category* FindCategory(std::string_view name)
{
    for (const Category& category : UnitCatalogue())
        if (Names(category, name))
            return &category;
    return nullptr;
}

const UnitDefinition* FindUnit(const Category& category, std::string_view name)
{
    for (const UnitDefinition& unit : category.units)
        if (unit.name == name)
            return &unit;
    return nullptr;
}

std::string DefinitionOf(const CatalogueEntry& entry)
{
    return DefinitionText(*entry.unit, entry.category->coherentUnit);
}

std::vector<UnitMatch> CategoriesHoldingUnit(std::string_view unit)
{
    std::vector<UnitMatch> exact;
    std::vector<UnitMatch> otherCase;
    for (const Category& category : UnitCatalogue()) {
        // A category with two names ("Pressure" and "Stress") holds the unit
        // under each of them.
        const auto add = [&category](std::vector<UnitMatch>& matches, const UnitDefinition& found,
                             bool exactly) {
            matches.push_back({category.name, found.name, exactly, {&category, &found}});
            if (!category.alias.empty())
                matches.push_back({category.alias, found.name, exactly, {&category, &found}});
        };
        if (const UnitDefinition* same = FindUnit(category, unit)) {
            add(exact, *same, true);
            continue;
        }
        const std::string capitals = AsciiCapitals(unit);
        const auto similar
            = std::ranges::find_if(category.units, [&capitals](const UnitDefinition& defined) {
                  return AsciiCapitals(defined.name) == capitals;
              });
        if (similar != category.units.end())
            add(otherCase, *similar, false);
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
        for (const UnitDefinition& unit : category.units)
            text += "    " + std::string(unit.name) + "\n";
        text += "\n";
    }
    return text;
}

} // namespace corrolab
