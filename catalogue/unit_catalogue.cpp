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

namespace {

// "µ" is typed as the micro sign (U+00B5) or the Greek small mu (U+03BC).
constexpr UnitSpelling kUnitSpellings[] = {
    {"kPa", "kilo_Pa"},
    {"MPa", "mega_Pa"},
    {"GPa", "giga_Pa"},
    {"mm/y", "mm/year"},
    {"mm/yr", "mm/year"},
    {"mm/a", "mm/year"},
    {"mil/y", "mil/year"},
    {"mil/yr", "mil/year"},
    {"\u00b5m/y", "micro_m/year"},
    {"\u00b5m/yr", "micro_m/year"},
    {"\u03bcm/y", "micro_m/year"},
    {"\u03bcm/yr", "micro_m/year"},
    {"um/y", "micro_m/year"},
    {"um/yr", "micro_m/year"},
    {"\u00b5A/cm\u00b2", "micro_amp/cm^2"},
    {"\u00b5A/cm2", "micro_amp/cm^2"},
    {"\u03bcA/cm\u00b2", "micro_amp/cm^2"},
    {"\u03bcA/cm2", "micro_amp/cm^2"},
    {"uA/cm2", "micro_amp/cm^2"},
    {"uA/cm^2", "micro_amp/cm^2"},
    {"mA/cm2", "milli_amp/cm^2"},
    {"mA/cm\u00b2", "milli_amp/cm^2"},
    {"mA/cm^2", "milli_amp/cm^2"},
    {"A/cm2", "amp/cm^2"},
    {"g/m2/d", "g/m^2-day"},
    {"g/m2d", "g/m^2-day"},
    {"mg/m2/d", "mg/m^2-day"},
    {"\u00b0C", "C"},
    {"degC", "C"},
    {"\u00b0F", "F"},
    {"degF", "F"},
};

constexpr std::size_t kMostSuggestions = 3;

} // namespace

std::span<const UnitSpelling> UnitSpellings()
{
    return kUnitSpellings;
}

std::string_view CatalogueUnitName(std::string_view name)
{
    const auto found = std::ranges::find(kUnitSpellings, name, &UnitSpelling::spelling);
    return found == std::end(kUnitSpellings) ? name : found->unit;
}

std::vector<std::string_view> ClosestUnitNames(std::string_view name, const Category* within)
{
    const std::size_t farthest = std::clamp<std::size_t>(name.size() / 3, 1, 3);
    struct Near
    {
        std::size_t distance;
        std::size_t order;
        std::string_view unit;
    };
    std::vector<Near> near;
    const auto consider = [&](std::string_view written, std::string_view unit) {
        const std::size_t distance = EditDistance(name, written);
        if (distance > farthest)
            return;
        const auto held = std::ranges::find(near, unit, &Near::unit);
        if (held == near.end())
            near.push_back({distance, near.size(), unit});
        else
            held->distance = std::min(held->distance, distance);
    };
    for (const Category& category : UnitCatalogue())
        if (!within || within == &category)
            for (const UnitDefinition& unit : category.units)
                consider(unit.name, unit.name);
    for (const UnitSpelling& spelling : kUnitSpellings)
        if (!within || FindUnit(*within, spelling.unit))
            consider(spelling.spelling, spelling.unit);
    std::ranges::stable_sort(near, [](const Near& a, const Near& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.order < b.order;
    });
    std::vector<std::string_view> names;
    for (const Near& candidate : near)
        if (names.size() < kMostSuggestions)
            names.push_back(candidate.unit);
    return names;
}

std::string DidYouMean(std::string_view name, const Category* within)
{
    const auto names = ClosestUnitNames(name, within);
    if (names.empty())
        return {};
    std::string text = "; did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text + "?";
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
