#include "calculators/calculator_results.h"

#include "calculators/field_number.h"
#include "calculators/severity.h"
#include "calculators/stern_geary.h"

namespace corrolab {

namespace {

CopyRow SeverityRow(const char* label, double millimetresPerYear, Attack attack)
{
    return {label, std::string(SeverityName(Classify(millimetresPerYear, attack))), "carbon steel"};
}

// The rate in the chosen unit and, when that is not mm/year, in mm/year.
void AddRates(std::vector<CopyRow>& rows, double rate, double mmPerYear, const std::string& unit)
{
    rows.push_back({"Corrosion rate", ResultNumber(rate), unit});
    if (unit != kMillimetresPerYear)
        rows.push_back({"Corrosion rate", ResultNumber(mmPerYear), "mm/year"});
}

} // namespace

Checked<MassLossResult> CalculateMassLossCase(
    const MassLossCase& coupon, const CalculatorMaterial& material, const std::string& unit)
{
    MassLossResult result;
    if (coupon.massFromWeighings)
        result.rows.push_back({"Mass loss", ResultNumber(coupon.input.massLoss), "g"});
    if (coupon.dimensionsArea)
        result.rows.push_back({"Exposed area", ResultNumber(*coupon.dimensionsArea), "cm^2"});
    const Checked<double> rate = MassLossRate(coupon.input, material, unit);
    if (!rate)
        return rate.error();
    const Checked<double> mmPerYear = MassLossRate(coupon.input, material, kMillimetresPerYear);
    if (!mmPerYear)
        return mmPerYear.error();
    result.rate = *rate;
    result.mmPerYear = *mmPerYear;
    AddRates(result.rows, *rate, *mmPerYear, unit);
    result.rows.push_back(SeverityRow("Severity (general)", *mmPerYear, Attack::General));
    if (coupon.deepestPit) {
        const Checked<double> factor = PittingFactor(*coupon.deepestPit, coupon.input, material);
        if (!factor)
            return factor.error();
        result.pitRate = DepthRate(*coupon.deepestPit, coupon.input.hours);
        result.rows.push_back(
            {"Mean penetration", ResultNumber(*MeanPenetration(coupon.input, material)), "mm"});
        result.rows.push_back({"Pitting factor", ResultNumber(*factor), ""});
        result.rows.push_back({"Pitting rate", ResultNumber(*result.pitRate), "mm/year"});
        result.rows.push_back(SeverityRow("Severity (pitting)", *result.pitRate, Attack::Pitting));
    }
    return result;
}

Checked<PolarizationResult> CalculatePolarizationResistance(double coefficient,
    double polarizationResistance, std::optional<double> electrodeArea,
    const CalculatorMaterial& material, const std::string& unit)
{
    const Checked<double> current
        = CorrosionCurrentDensity(coefficient, polarizationResistance, electrodeArea);
    if (!current)
        return current.error();
    const auto rate = ConvertRate(*current, kMicroampsPerCm2, unit, material);
    const auto mmPerYear = ConvertRate(*current, kMicroampsPerCm2, kMillimetresPerYear, material);
    if (!rate || !mmPerYear)
        return InputError {"ew", "The material needs an equivalent weight and a density above 0."};
    PolarizationResult result;
    result.coefficient = coefficient;
    result.currentDensity = *current;
    result.rate = *rate;
    result.mmPerYear = *mmPerYear;
    result.rows = {
        {"B", ResultNumber(coefficient), "mV"},
        {"Corrosion current density", ResultNumber(*current), std::string(kMicroampsPerCm2)},
    };
    AddRates(result.rows, *rate, *mmPerYear, unit);
    result.rows.push_back(SeverityRow("Severity (general)", *mmPerYear, Attack::General));
    return result;
}

Checked<LifeResult> CalculateLife(const LifeCase& wall, const CalculatorMaterial& material)
{
    LifeResult result;
    result.rate = wall.rate;
    double rate = wall.rate;
    if (wall.rateUnit != kMillimetresPerYear) {
        const auto converted = ConvertRate(wall.rate, wall.rateUnit, kMillimetresPerYear, material);
        if (!converted)
            return InputError {"rate",
                "The rate in " + wall.rateUnit
                    + " needs the material's equivalent weight and density."};
        rate = *converted;
        result.rows.push_back({"Corrosion rate", ResultNumber(rate), "mm/year"});
    }
    result.mmPerYear = rate;
    result.wall = {wall.thickness, wall.minimum, rate};
    const Checked<RemainingLife> life = CalculateRemainingLife(result.wall, wall.measured);
    if (!life)
        return life.error();
    result.life = *life;
    result.rows.push_back({"Remaining life", ResultNumber(life->years), "years"});
    result.rows.push_back(
        {"Minimum reached", life->date ? IsoDate(*life->date) : "after 9999-12-31", ""});
    if (wall.designLife) {
        const Checked<double> allowance = DesignAllowance(rate, *wall.designLife);
        if (!allowance)
            return allowance.error();
        result.allowance = *allowance;
        result.rows.push_back({"Design allowance", ResultNumber(*allowance), "mm"});
    }
    result.rows.push_back(SeverityRow("Severity (general)", rate, Attack::General));
    return result;
}

Checked<CouponTableResult> CalculateCouponTable(
    const CouponTable& table, const CalculatorMaterial& material, const std::string& unit)
{
    const Checked<CouponSummary> summary = SummariseCoupons(table, material, unit);
    if (!summary)
        return summary.error();
    CouponTableResult result;
    result.summary = *summary;
    result.rate = summary->mean;
    const bool withBlanks = summary->blankMean && summary->inhibitorEfficiency;
    const std::string which = withBlanks ? " (inhibited)" : "";
    result.rows = {
        {"Coupons" + which, std::to_string(summary->count), ""},
        {"Mean rate" + which, ResultNumber(summary->mean), unit},
        {"Standard deviation",
            summary->standardDeviation ? ResultNumber(*summary->standardDeviation) : "-", unit},
        {"Lowest", ResultNumber(summary->minimum), unit},
        {"Highest", ResultNumber(summary->maximum), unit},
    };
    if (summary->blankMean)
        result.rows.push_back({"Mean rate (blank)", ResultNumber(*summary->blankMean), unit});
    if (summary->inhibitorEfficiency)
        result.rows.push_back(
            {"Inhibitor efficiency", ResultNumber(*summary->inhibitorEfficiency), "%"});
    else if (!summary->efficiencyNote.empty())
        result.rows.push_back({"Inhibitor efficiency", "-", summary->efficiencyNote});
    if (const Checked<CouponSummary> inMillimetres
        = SummariseCoupons(table, material, kMillimetresPerYear)) {
        result.mmPerYear = inMillimetres->mean;
        result.rows.push_back(
            SeverityRow("Severity (general, mean)", inMillimetres->mean, Attack::General));
    }
    return result;
}

} // namespace corrolab
