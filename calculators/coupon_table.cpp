#include "calculators/coupon_table.h"

#include "base/text.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace corrolab {

namespace {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::optional<bool> BlankMark(const std::string& field)
{
    const std::string mark = AsciiLowerCase(Trimmed(field));
    for (const char* yes : {"blank", "yes", "y", "x", "1"})
        if (mark == yes)
            return true;
    for (const char* no : {"", "no", "n", "0"})
        if (mark == no)
            return false;
    return std::nullopt;
}

bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

struct NumberColumn
{
    const char* what;
    double CouponRow::*member;
    bool positive;
};
constexpr NumberColumn kNumberColumns[] = {
    {"mass loss", &CouponRow::massLoss, false},
    {"area", &CouponRow::area, true},
    {"exposure time", &CouponRow::hours, true},
};

// The row, or the reason it is refused.
Checked<CouponRow> ReadRow(const std::vector<std::string>& fields, int line)
{
    if (fields.size() < 4)
        return InputError {"table", "needs 4 columns: name, mass loss (g), area (cm^2), hours"};
    if (fields.size() > 5)
        return InputError {"table", "has more than 5 columns"};
    CouponRow row;
    row.line = line;
    row.name = fields[0];
    for (size_t i = 0; i < std::size(kNumberColumns); ++i) {
        const NumberColumn& column = kNumberColumns[i];
        const auto value = StrictNumber(fields[i + 1]);
        if (!value)
            return InputError {
                "table", std::string(column.what) + " '" + fields[i + 1] + "' is not a number"};
        if (column.positive ? *value <= 0 : *value < 0)
            return InputError {"table",
                std::string(column.what) + (column.positive ? " must be above 0" : " is negative")};
        row.*column.member = *value;
    }
    if (fields.size() == 5) {
        const auto blank = BlankMark(fields[4]);
        if (!blank)
            return InputError {
                "table", "blank mark '" + fields[4] + "' is not blank/yes/x or empty"};
        row.blank = *blank;
    }
    return row;
}

bool IsHeading(const std::vector<std::string>& fields)
{
    for (size_t i = 1; i < fields.size() && i < 4; ++i)
        if (StrictNumber(fields[i]))
            return false;
    return true;
}

// The mean, summed as shares so that rates near the largest number do not overflow.
double Mean(const std::vector<double>& values)
{
    const auto count = static_cast<double>(values.size());
    return std::accumulate(values.begin(), values.end(), 0.0,
        [count](double sum, double value) { return sum + value / count; });
}

// The sample standard deviation, scaled by the largest deviation so that the
// squares do not overflow.
double StandardDeviation(const std::vector<double>& values, double mean)
{
    double scale = 0;
    for (const double value : values)
        scale = std::max(scale, std::fabs(value - mean));
    if (scale == 0 || !std::isfinite(scale))
        return scale;
    double squares = 0;
    for (const double value : values)
        squares += ((value - mean) / scale) * ((value - mean) / scale);
    return scale * std::sqrt(squares / static_cast<double>(values.size() - 1));
}

} // namespace

CouponTable ParseCouponTable(std::string_view text)
{
    CouponTable table;
    bool first = true;
    int line = 0;
    for (const std::string& content : SplitLines(text)) {
        ++line;
        if (IsBlankLine(content))
            continue;
        const auto fields = SplitTabs(content);
        if (first && IsHeading(fields)) {
            first = false;
            continue;
        }
        first = false;
        const Checked<CouponRow> row = ReadRow(fields, line);
        if (row)
            table.coupons.push_back(*row);
        else
            table.rejected.push_back({line, row.error().message});
    }
    return table;
}

Checked<CouponSummary> SummariseCoupons(
    const CouponTable& table, const CalculatorMaterial& material, std::string_view unit)
{
    if (table.coupons.empty())
        return InputError {"table", "Paste at least one coupon row."};
    CouponSummary summary;
    std::vector<double> blanks;
    std::vector<double> others;
    for (const CouponRow& coupon : table.coupons) {
        const Checked<double> rate
            = MassLossRate({coupon.massLoss, coupon.area, coupon.hours}, material, unit);
        if (!rate)
            return InputError {rate.error().field,
                "line " + std::to_string(coupon.line) + ": " + rate.error().message};
        summary.rates.push_back(*rate);
        (coupon.blank ? blanks : others).push_back(*rate);
    }
    const std::vector<double>& counted = blanks.empty() || others.empty() ? summary.rates : others;
    summary.count = static_cast<int>(counted.size());
    summary.mean = Mean(counted);
    summary.minimum = *std::ranges::min_element(counted);
    summary.maximum = *std::ranges::max_element(counted);
    if (counted.size() > 1)
        summary.standardDeviation = StandardDeviation(counted, summary.mean);
    if (!std::isfinite(summary.mean) || !std::isfinite(summary.standardDeviation.value_or(0)))
        return InputError {"table", "The rates are too large to summarise."};
    if (!blanks.empty()) {
        summary.blankMean = Mean(blanks);
        const double efficiency = (*summary.blankMean - summary.mean) / *summary.blankMean * 100;
        if (others.empty())
            summary.efficiencyNote = "every coupon is marked blank";
        else if (*summary.blankMean == 0)
            summary.efficiencyNote = "the blank coupons lost no mass";
        else if (!std::isfinite(efficiency))
            summary.efficiencyNote = "the blank coupons lost too little mass to compare";
        else
            summary.inhibitorEfficiency = efficiency;
    }
    return summary;
}

} // namespace corrolab
