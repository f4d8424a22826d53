#pragma once

#include "catalogue/unit_definition.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// One family of units: its name, a second name for the same list where there is
// one ("Pressure" and "Stress"), and its units in list order. `coherentUnit` names
// the coherent unit in definitions where the family writes it its own way ("N-m"
// for a moment rather than "J").
struct Category
{
    std::string_view name;
    std::string_view alias;
    std::span<const UnitDefinition> units;
    std::string_view coherentUnit = {};
};

// The chooser item that lists the units of every ordinary category.
inline constexpr std::string_view kAllCategories = "- Miscellaneous -";
inline constexpr std::string_view kCurrencies = "Currencies";
inline constexpr std::string_view kNumberFormats = "Number formats";

// The built-in catalogue, in catalogue order.
std::span<const Category> UnitCatalogue();

// The category chooser's items: the all-categories item, then every category
// name in catalogue order, both names of a category with two.
std::vector<std::string> CategoryChooserItems();

// The unit names that choosing `selected` lists, in list order. Names compare
// exactly; "Number formats" and "Currencies" are listed only by their own name,
// never under the all-categories item. Text that names no category lists nothing.
std::vector<std::string_view> UnitsForSelection(std::string_view selected);

// The category a chooser text names (either name of a category with two); null
// when it names none. The all-categories item names no category.
const Category* FindCategory(std::string_view name);

// The first unit of a category written exactly `name`; null when there is none.
const UnitDefinition* FindUnit(const Category& category, std::string_view name);

// A row of a unit list: the unit and the category it belongs to, which tells
// "s" under Angle (an arcsecond) from "s" under Time.
struct CatalogueEntry
{
    const Category* category;
    const UnitDefinition* unit;
};

// The rows choosing `selected` lists, as UnitsForSelection names them.
std::vector<CatalogueEntry> EntriesForSelection(std::string_view selected);

// The definition line of a catalogue entry: "furlong, 660 ft = 201.168 m".
std::string DefinitionOf(const CatalogueEntry& entry);

// The categories that hold a unit name: those holding it exactly first, then
// those holding it with other letter case. Each category appears once under
// each of its names.
struct UnitMatch
{
    std::string_view category;
    std::string_view unit; // as the catalogue writes it
    bool exact;
    CatalogueEntry entry;
};
std::vector<UnitMatch> CategoriesHoldingUnit(std::string_view unit);

// The spellings engineers type for units of the catalogue ("MPa", "mm/y",
// "uA/cm2", "°C"), each with the catalogue's own name, in one table that the
// command line and the windows share. No spelling is itself a catalogue name.
struct UnitSpelling
{
    std::string_view spelling;
    std::string_view unit;
};
std::span<const UnitSpelling> UnitSpellings();

// The catalogue's name for a spelling of the table, else `name` as it is.
std::string_view CatalogueUnitName(std::string_view name);

// At most three catalogue names close to `name` (edit distance, letter case
// ignored; a spelling of the table stands for its unit), closest first: the
// names of `within`, or of every category when it is null. Empty when none is
// close: a name of n bytes may be at most n / 3 edits away (one for short names,
// three at most).
std::vector<std::string_view> ClosestUnitNames(
    std::string_view name, const Category* within = nullptr);

// "; did you mean mm/year?" (or "A, B or C") for an unknown name; empty when no
// name is close.
std::string DidYouMean(std::string_view name, const Category* within = nullptr);

// The catalogue as the text of the shipped unit list, one category after another.
std::string UnitsListing();

} // namespace corrolab
