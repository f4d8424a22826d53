#include "catalogue/unit_catalogue.h"

#include "base/text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

size_t CountOf(const std::vector<std::string_view>& units, std::string_view name)
{
    return static_cast<size_t>(std::ranges::count(units, name));
}

TEST(UnitCatalogue, HoldsFortySevenCategoriesAndAllTheirUnits)
{
    size_t total = 0;
    for (const Category& category : UnitCatalogue())
        total += category.units.size();
    EXPECT_EQ(UnitCatalogue().size(), 47u);
    EXPECT_EQ(total, 597u); // 590 names, and the corrosion-rate units the catalogue lacked

    const auto chooser = CategoryChooserItems();
    ASSERT_EQ(chooser.size(), 49u);
    EXPECT_EQ(chooser[0], "- Miscellaneous -");
    EXPECT_EQ(chooser[1], "Acceleration");
    EXPECT_EQ(chooser[31], "Pressure");
    EXPECT_EQ(chooser[32], "Stress");
    EXPECT_EQ(chooser[48], "Currencies");
}

TEST(UnitCatalogue, AllCategoriesListsEveryOrdinaryUnitInOrder)
{
    const auto units = UnitsForSelection("- Miscellaneous -");
    ASSERT_EQ(units.size(), 542u);
    EXPECT_EQ(units[0], "g");
    EXPECT_EQ(units[1], "m/s^2");
    const std::vector<std::string_view> tail(units.end() - 16, units.end());
    const std::vector<std::string_view> expected {"Disintegrations per second", "micro_amp/cm^2",
        "milli_amp/cm^2", "amp/cm^2", "g/cm^2-s", "mg/cm^2-s", "mg/dm^2-s", "mdd", "mm/year", "ipy",
        "mpy", "mil/year", "in/year", "micro_m/year", "mg/m^2-day", "g/m^2-day"};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(CountOf(units, "Roman"), 0u);
    EXPECT_EQ(CountOf(units, "US Dollar"), 0u);
    EXPECT_EQ(CountOf(units, "N-m"), 2u); // Energy and Moment
}

TEST(UnitCatalogue, SelectionMatchesNamesExactly)
{
    EXPECT_EQ(UnitsForSelection("Pressure"), UnitsForSelection("Stress"));
    EXPECT_EQ(UnitsForSelection("Pressure").size(), 29u);
    EXPECT_EQ(UnitsForSelection("Flow rate"), UnitsForSelection("Mass flow rate"));
    EXPECT_EQ(UnitsForSelection("Flow rate").size(), 21u);
    EXPECT_TRUE(UnitsForSelection("angle").empty());
    EXPECT_TRUE(UnitsForSelection("").empty());
    EXPECT_EQ(UnitsForSelection("Angle").size(), 9u);
    EXPECT_EQ(UnitsForSelection("Number formats").size(), 6u);
    EXPECT_EQ(UnitsForSelection("Currencies").size(), 49u);
    EXPECT_EQ(CountOf(UnitsForSelection("Angular velocity"), "deg/s"), 2u);
    const auto density = UnitsForSelection("Current density");
    EXPECT_EQ(CountOf(density, "milli_amp/m^2"), 2u);
    EXPECT_EQ(CountOf(density, "micro_amp/mm^2"), 2u);
}

TEST(UnitCatalogue, FindsTheCategoriesOfAUnit)
{
    const auto exact = CategoriesHoldingUnit("s");
    ASSERT_GE(exact.size(), 2u);
    EXPECT_EQ(exact[0].category, "Angle");
    EXPECT_EQ(exact[1].category, "Time");
    EXPECT_TRUE(exact[0].exact);

    // A category with two names holds the unit under both.
    const auto mixed = CategoriesHoldingUnit("PA");
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed[0].category, "Pressure");
    EXPECT_EQ(mixed[1].category, "Stress");
    EXPECT_EQ(mixed[0].unit, "Pa");
    EXPECT_FALSE(mixed[0].exact);
    EXPECT_FALSE(mixed[1].exact);

    const auto both = CategoriesHoldingUnit("mil");
    ASSERT_GE(both.size(), 2u);
    EXPECT_TRUE(both.front().exact);
    EXPECT_TRUE(CategoriesHoldingUnit("parsec").empty());
}

TEST(UnitCatalogue, SpellingsStandForCatalogueUnits)
{
    for (const UnitSpelling& spelling : UnitSpellings()) {
        EXPECT_FALSE(CategoriesHoldingUnit(spelling.unit).empty()) << spelling.spelling;
        ASSERT_FALSE(CategoriesHoldingUnit(spelling.unit).empty()) << spelling.spelling;
        EXPECT_TRUE(CategoriesHoldingUnit(spelling.unit).front().exact) << spelling.spelling;
        // A spelling never hides a name the catalogue has (in any letter case).
        EXPECT_TRUE(CategoriesHoldingUnit(spelling.spelling).empty()) << spelling.spelling;
    }
    const struct
    {
        const char* typed;
        const char* unit;
    } cases[] = {
        {"MPa", "mega_Pa"},
        {"kPa", "kilo_Pa"},
        {"GPa", "giga_Pa"},
        {"mm/y", "mm/year"},
        {"mm/yr", "mm/year"},
        {"\u00b5m/y", "micro_m/year"},
        {"um/y", "micro_m/year"},
        {"\u00b5A/cm\u00b2", "micro_amp/cm^2"},
        {"uA/cm2", "micro_amp/cm^2"},
        {"mA/cm2", "milli_amp/cm^2"},
        {"g/m2/d", "g/m^2-day"},
        {"\u00b0C", "C"},
        {"degC", "C"},
        {"\u00b0F", "F"},
        {"mm/year", "mm/year"}, // a catalogue name stays as it is
        {"mpa", "mpa"}, // spellings match exactly
        {"parsec", "parsec"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueUnitName(c.typed), c.unit) << c.typed;
}

TEST(UnitCatalogue, SuggestsOnlyCloseNames)
{
    const struct
    {
        const char* typed;
        const char* within; // a category, or empty for all
        std::vector<std::string_view> names;
    } cases[] = {
        {"mm/yaer", "", {"mm/year"}},
        {"mm/yaer", "Corrosion rate", {"mm/year"}},
        {"MPaa", "", {"mega_Pa"}}, // close to a spelling: its unit is named
        {"furlongs", "", {"furlong"}},
        {"furlongs", "Mass", {}}, // only the category's names
        {"parsec", "", {}}, // nothing is close
        {"xyzzyxyzzy", "", {}},
        {"mpyy", "", {"mpy"}},
    };
    for (const auto& c : cases) {
        const Category* within = *c.within ? FindCategory(c.within) : nullptr;
        EXPECT_EQ(ClosestUnitNames(c.typed, within), c.names) << c.typed << " in " << c.within;
    }
    // Never more than three, closest first.
    const auto many = ClosestUnitNames("m");
    EXPECT_EQ(many.size(), 3u);
    EXPECT_EQ(EditDistance(many.front(), "m"), 0u);
    EXPECT_EQ(DidYouMean("mm/yaer"), "; did you mean mm/year?");
    EXPECT_EQ(DidYouMean("parsec"), "");
}

TEST(UnitCatalogue, ListingNamesEveryUnit)
{
    const std::string listing = UnitsListing();
    EXPECT_NE(listing.find("Pressure or Stress (29)"), std::string::npos);
    EXPECT_NE(listing.find("    Disintegrations per second\n"), std::string::npos);
    EXPECT_EQ(static_cast<size_t>(std::ranges::count(listing, '\n')), 597u + 47u * 2u);
}

} // namespace
} // namespace corrolab
