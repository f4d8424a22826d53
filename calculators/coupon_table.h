#pragma once

#include "base/checked.h"
#include "calculators/rate_units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// One coupon row of a pasted table: name, mass loss (g), area (cm^2), exposure
// (hours), and an optional fifth column marking the blank (uninhibited) coupon.
struct CouponRow
{
    int line = 0; // 1-based line of the pasted text
    std::string name;
    double massLoss = 0;
    double area = 0;
    double hours = 0;
    bool blank = false;
};

struct RejectedRow
{
    int line = 0;
    std::string reason;
};

struct CouponTable
{
    std::vector<CouponRow> coupons;
    std::vector<RejectedRow> rejected;
};

// Reads tab-separated rows as a spreadsheet pastes them. Empty lines are skipped,
// and so is a first line whose numbers are all missing (a heading). A row with
// too few columns, a number that does not read, a negative mass loss, an area or
// time of 0 or below, or an unknown blank mark is rejected with its line and reason.
// The blank mark is "blank", "yes", "y", "x" or "1" (any case); empty, "no", "n"
// or "0" is a coupon with inhibitor.
CouponTable ParseCouponTable(std::string_view text);

// The coupons' rates in one unit with their mean and spread; with a blank coupon,
// the inhibitor efficiency IE % = (CR0 - CR) / CR0 * 100, CR0 the mean of the
// blanks and CR the mean of the others. Without blanks the statistics cover every
// coupon; with blanks, the inhibited coupons only.
struct CouponSummary
{
    std::vector<double> rates; // one per coupon, in table order
    int count = 0; // coupons in the statistics
    double mean = 0;
    std::optional<double> standardDeviation; // sample (n - 1); needs two coupons
    double minimum = 0;
    double maximum = 0;
    std::optional<double> blankMean;
    std::optional<double> inhibitorEfficiency; // %
    std::string efficiencyNote; // why there is no efficiency despite a blank
};
Checked<CouponSummary> SummariseCoupons(
    const CouponTable& table, const CalculatorMaterial& material, std::string_view unit);

} // namespace corrolab
