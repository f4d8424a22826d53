#pragma once

#include "base/unit_table.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// What converting one typed value gives.
struct ConversionOutcome
{
    std::string text; // the result box's text; empty when there is no result
    std::optional<double> number; // the converted number, when the result is one
    std::string reason; // why there is no result, in words for the user
};

// Why a typed value gives no result: its number is too large to hold ("1e400").
std::string ValueOutOfRange(std::string_view value);

// How a resolved pair of units turns a typed value into a result. The unit
// table's ratio of factors is one such rule; a conversion keyed by category and
// unit brings its own (an offset, a text form) and is resolved beside it.
class ConversionRule
{
public:
    virtual ~ConversionRule() = default;
    virtual ConversionOutcome Apply(std::string_view value, bool scientific) const = 0;
};

// A pair of units resolved once and then applied to any number of values: the
// one road by which the main window, the command line and the benchmarks
// convert. It holds either a rule or the reason why the pair does not convert.
// Cheap to copy.
class Conversion
{
public:
    // The unit-table lookup: both names in the first category, in index order,
    // that holds them, compared as written or else in capitals (how the currency
    // row keeps its names). factor(to) / factor(from) is kept in single precision
    // as the window keeps it. Refused with a reason when a name is unknown, the
    // names lie in different categories, or the "from" factor is 0 or unusable.
    static Conversion FromUnitTable(
        const UnitTable& table, std::string_view from, std::string_view to);

    // A resolved conversion with its own rule.
    explicit Conversion(std::shared_ptr<const ConversionRule> rule);
    // A pair that does not convert, and why, in words for the user.
    static Conversion Refused(std::string reason);

    bool resolved() const { return rule_ != nullptr; }
    // Why the pair does not convert; empty when it does.
    const std::string& reason() const { return reason_; }

    // The result box's text for a typed value (its leading number), fixed with
    // three significant decimals or in scientific form; empty when the pair does
    // not convert or the value gives no faithful number.
    std::string Format(std::string_view value, bool scientific) const;
    // The same text with the number behind it.
    ConversionOutcome Apply(std::string_view value, bool scientific) const;

private:
    Conversion() = default;

    std::shared_ptr<const ConversionRule> rule_;
    std::string reason_;
};

// Whether the table holds the name in any category, as written or in capitals.
bool TableHoldsUnit(const UnitTable& table, std::string_view name);

// Where a conversion's two units were found.
struct UnitPair
{
    int category = 0;
    int from = 0;
    int to = 0;
};

// Finds both names in the first category, in index order, that holds them (exact
// text); std::nullopt when no category holds both.
std::optional<UnitPair> FindUnitPair(
    const UnitTable& table, std::string_view from, std::string_view to);

// A number as the result box shows it: fixed with 3 significant decimals for
// small values, or the scientific form. Digits that only stand for the rounding
// of a single-precision ratio (ratioError, relative) are not cut away: 100 x
// 0.965f is 96.499997 and shows as 96.500.
std::string ResultText(double x, bool scientific, double ratioError = 0);

} // namespace corrolab
