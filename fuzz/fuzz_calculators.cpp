// Fuzzes two texts the user types or pastes into the calculators and the alloy
// browser: the alloy filter ("Mo >= 2, Cr > 16") and the coupon table pasted from
// a spreadsheet. Byte 0 picks which; the rest is the text. For the filter, the
// text after the first line break is a composition it is tested against.

#include "alloys/alloy_filter.h"
#include "calculators/coupon_table.h"
#include "calculators/rate_units.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab::fuzz {
namespace {

void CheckFilter(std::string_view input)
{
    const size_t lineBreak = input.find('\n');
    const std::string_view filter = input.substr(0, lineBreak);
    const std::string_view composition
        = lineBreak == std::string_view::npos ? std::string_view() : input.substr(lineBreak + 1);
    std::string problem;
    const auto conditions = ParseShareConditions(filter, problem);
    if (!conditions) {
        FUZZ_CHECK(!problem.empty());
        return;
    }
    for (const ShareCondition& condition : *conditions) {
        FUZZ_CHECK(!condition.symbol.empty());
        FUZZ_CHECK(std::isfinite(condition.minimum));
    }
    // No condition is met by every composition; each condition alone is necessary.
    const bool all = MeetsConditions(composition, *conditions);
    FUZZ_CHECK(MeetsConditions(composition, {}));
    if (all)
        for (const ShareCondition& condition : *conditions)
            FUZZ_CHECK(MeetsConditions(composition, {condition}));
}

void CheckCoupons(std::string_view text)
{
    const CouponTable table = ParseCouponTable(text);
    int lastLine = 0;
    for (const CouponRow& row : table.coupons) {
        FUZZ_CHECK(row.line > lastLine);
        lastLine = row.line;
        FUZZ_CHECK(std::isfinite(row.massLoss) && row.massLoss >= 0);
        FUZZ_CHECK(std::isfinite(row.area) && row.area > 0);
        FUZZ_CHECK(std::isfinite(row.hours) && row.hours > 0);
    }
    for (const RejectedRow& rejected : table.rejected) {
        FUZZ_CHECK(rejected.line >= 1);
        FUZZ_CHECK(!rejected.reason.empty());
    }
    for (const std::string_view unit : {kMillimetresPerYear, std::string_view("mpy")}) {
        static const CalculatorMaterial iron = IronMaterial();
        const auto summary = SummariseCoupons(table, iron, unit);
        if (!summary) {
            FUZZ_CHECK(!summary.error().message.empty());
            continue;
        }
        FUZZ_CHECK(summary->rates.size() == table.coupons.size());
        FUZZ_CHECK(summary->count >= 1);
        FUZZ_CHECK(std::isfinite(summary->mean));
        FUZZ_CHECK(summary->minimum <= summary->maximum);
        // The mean lies between the least and the largest rate (rounding aside).
        const double slack = 1e-9 * std::fabs(summary->maximum);
        FUZZ_CHECK(summary->mean >= summary->minimum - slack);
        FUZZ_CHECK(summary->mean <= summary->maximum + slack);
        if (summary->standardDeviation)
            FUZZ_CHECK(
                std::isfinite(*summary->standardDeviation) && *summary->standardDeviation >= 0);
        for (const double rate : summary->rates)
            FUZZ_CHECK(std::isfinite(rate) && rate >= 0);
        if (summary->inhibitorEfficiency)
            FUZZ_CHECK(std::isfinite(*summary->inhibitorEfficiency));
    }
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        corrolab::fuzz::CheckCoupons(text);
    else
        corrolab::fuzz::CheckFilter(text);
    return 0;
}
