#include "app/unit_resolution.h"

#include "base/lenient_number.h"
#include "corrosion/corrosion_rate_units.h"

#include <algorithm>

namespace corrolab {

namespace {

// Results computed in double precision carry at most a few units in the last
// place: a cut to the shown decimals must not turn 212 into 211.999.
constexpr double kDoubleRoundingAllowance = 1e-13;

std::string Quoted(std::string_view text)
{
    return Message("'", text, "'");
}

// A catalogue conversion as a rule of the main road.
class CatalogueRule : public ConversionRule
{
public:
    explicit CatalogueRule(const CatalogueConversion& conversion)
        : conversion_(conversion)
    { }

    ConversionOutcome Apply(std::string_view value, bool scientific) const override
    {
        if (conversion_.ConvertsText()) {
            auto text = conversion_.ConvertText(value);
            if (auto* refusal = std::get_if<Refusal>(&text))
                return Refused(std::move(refusal->reason));
            return {std::move(std::get<std::string>(text)), std::nullopt, {}};
        }
        const auto number = LenientValue(value);
        if (!number)
            return Refused(ValueOutOfRange(value));
        auto result = conversion_.Convert(*number);
        if (auto* refusal = std::get_if<Refusal>(&result))
            return Refused(std::move(refusal->reason));
        const double x = std::get<double>(result);
        return {ResultText(x, scientific, kDoubleRoundingAllowance), x, {}};
    }

private:
    static ConversionOutcome Refused(std::string reason)
    {
        ConversionOutcome outcome;
        outcome.reason = std::move(reason);
        return outcome;
    }

    CatalogueConversion conversion_;
};

bool IsCorrosionRateUnit(std::string_view name)
{
    const auto factors = CorrosionRateFactors(0, 0);
    return std::ranges::any_of(
        factors, [name](const UnitFactor& unit) { return unit.name == name; });
}

// The pairs that keep the unit table's conversion and figures: two of the ten
// corrosion-rate units chosen under "Corrosion rate", and the currencies.
bool ConvertsByTable(const Category& category, std::string_view from, std::string_view to)
{
    if (category.name == kCurrencies)
        return true;
    return category.name == "Corrosion rate" && IsCorrosionRateUnit(from)
        && IsCorrosionRateUnit(to);
}

Resolution Refused(std::string reason)
{
    return {Conversion::Refused(std::move(reason)), {}};
}

Resolution ResolveEntries(const UnitTable& table, const CorrosionMaterial& material,
    const CatalogueEntry& from, const CatalogueEntry& to)
{
    if (from.category == to.category
        && ConvertsByTable(*from.category, from.unit->name, to.unit->name))
        return {Conversion::FromUnitTable(table, from.unit->name, to.unit->name), {}};
    return {CatalogueConversionOf(from, to, material), {}};
}

Resolution ResolveInCategory(const UnitTable& table, const CorrosionMaterial& material,
    const Category& category, std::string_view from, std::string_view to)
{
    if (ConvertsByTable(category, from, to))
        return {Conversion::FromUnitTable(table, from, to), {}};
    for (const std::string_view name : {from, to})
        if (!FindUnit(category, name))
            return Refused(Message(Quoted(name), " is not a unit of ", category.name));
    return {CatalogueConversionOf({&category, FindUnit(category, from)},
                {&category, FindUnit(category, to)}, material),
        {}};
}

// The row of the all-categories listing a name stands for: the chosen row when
// it carries the name, else the first row that does.
std::optional<CatalogueEntry> ListingRow(std::string_view name, const CatalogueEntry* chosen)
{
    if (chosen && chosen->unit->name == name)
        return *chosen;
    for (const CatalogueEntry& entry : EntriesForSelection(kAllCategories))
        if (entry.unit->name == name)
            return entry;
    return std::nullopt;
}

Resolution ResolveInListing(
    const UnitTable& table, const CorrosionMaterial& material, const ConversionRequest& request)
{
    const auto from = ListingRow(request.from, request.fromRow);
    const auto to = ListingRow(request.to, request.toRow);
    for (const auto& [name, row] : {std::pair(request.from, from), std::pair(request.to, to)})
        if (!row)
            return Refused(Quoted(name) + " is not a unit of any category");
    return ResolveEntries(table, material, *from, *to);
}

// Without a category: the unit table first, as the program always converted,
// then the one category that holds both names.
Resolution ResolveAnywhere(const UnitTable& table, const CorrosionMaterial& material,
    std::string_view from, std::string_view to)
{
    Conversion byTable = Conversion::FromUnitTable(table, from, to);
    if (byTable.resolved())
        return {std::move(byTable), {}};
    std::vector<const Category*> holders;
    for (const Category& category : UnitCatalogue()) {
        const bool sameList = std::ranges::any_of(holders, [&category](const Category* held) {
            return held->units.data() == category.units.data();
        });
        if (!sameList && FindUnit(category, from) && FindUnit(category, to))
            holders.push_back(&category);
    }
    if (holders.size() == 1)
        return ResolveInCategory(table, material, *holders.front(), from, to);
    if (holders.empty()) {
        for (const std::string_view name : {from, to}) {
            const auto holding = CategoriesHoldingUnit(name);
            const bool catalogued = !holding.empty() && holding.front().exact;
            if (!catalogued && !TableHoldsUnit(table, name))
                return Refused(Message("unknown unit ", Quoted(name)));
        }
        return Refused(
            Message(Quoted(from), " and ", Quoted(to), " are not units of one category"));
    }
    Resolution ambiguous = Refused(
        Message(Quoted(from), " and ", Quoted(to), " are units of several categories; choose one"));
    for (const Category* category : holders)
        ambiguous.candidates.push_back(category->name);
    return ambiguous;
}

} // namespace

Conversion CatalogueConversionOf(
    const CatalogueEntry& from, const CatalogueEntry& to, const CorrosionMaterial& material)
{
    auto resolved = ResolveCatalogueConversion(from, to, material);
    if (auto* refusal = std::get_if<Refusal>(&resolved))
        return Conversion::Refused(std::move(refusal->reason));
    return Conversion(std::make_shared<CatalogueRule>(std::get<CatalogueConversion>(resolved)));
}

Resolution ResolveConversion(
    const UnitTable& table, const CorrosionMaterial& material, const ConversionRequest& request)
{
    if (request.category.empty())
        return ResolveAnywhere(table, material, request.from, request.to);
    if (request.category == kAllCategories)
        return ResolveInListing(table, material, request);
    const Category* category = FindCategory(request.category);
    if (!category)
        return Refused(Message("unknown category ", Quoted(request.category)));
    return ResolveInCategory(table, material, *category, request.from, request.to);
}

} // namespace corrolab
