#include "polarization/polarization_report.h"

#include "base/json.h"
#include "base/number_format.h"

#include <charconv>
#include <cmath>

namespace corrolab {

namespace {

constexpr double kMicro = 1e6; // uA per A
constexpr double kMilli = 1e3; // mV per V

std::string Fixed(double value, int decimals)
{
    char text[64];
    const auto result
        = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return PlainText(value);
    return std::string(text, result.ptr);
}

std::string OriginWords(const RateMaterial& material)
{
    switch (material.origin) {
    case MaterialOrigin::Typed:
        return material.material.name;
    case MaterialOrigin::File:
        return "the file's EW and density";
    case MaterialOrigin::MainWindow:
        return material.material.name + " (main window)";
    case MaterialOrigin::Default:
        return material.material.name + " (no material given)";
    }
    return {};
}

std::optional<double> Scaled(const std::optional<Estimate>& estimate, double scale)
{
    if (!estimate)
        return std::nullopt;
    return estimate->value * scale;
}

std::optional<double> ScaledError(const std::optional<Estimate>& estimate, double scale)
{
    if (!estimate || !estimate->error)
        return std::nullopt;
    return *estimate->error * scale;
}

} // namespace

std::string SignificantText(double value, int digits)
{
    if (!std::isfinite(value))
        return "";
    if (value == 0)
        return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    constexpr int kSmallest = -4; // below 1e-4 the plain form is mostly zeros
    constexpr int kLargest = 15;
    if (magnitude < kSmallest || magnitude > kLargest) {
        char text[64];
        const auto end = std::to_chars(
            text, text + sizeof text, value, std::chars_format::scientific, digits - 1)
                             .ptr;
        return std::string(text, end);
    }
    return Fixed(value, std::max(0, digits - 1 - magnitude));
}

RateMaterial MaterialOfCurve(const PolarizationCurve& curve)
{
    if (curve.equivalentWeight && curve.density)
        return {{"file", *curve.equivalentWeight, *curve.density}, MaterialOrigin::File};
    return {IronMaterial(), MaterialOrigin::Default};
}

PolarizationReport MakeReport(const PolarizationResult& result, double area,
    const RateMaterial& material, const std::string& unit)
{
    PolarizationReport report {result, area, material, unit, std::nullopt};
    report.rate
        = ConvertRate(result.icorr.value * kMicro, kMicroampsPerCm2, unit, material.material);
    return report;
}

std::vector<ReportLine> ReportLines(const PolarizationReport& report)
{
    const PolarizationResult& r = report.result;
    std::vector<ReportLine> lines;
    lines.push_back({"method", std::string(MethodWord(r.method))});
    // A figure and, on the next line, its standard error where the method gives one.
    const auto estimate = [&](const std::string& label, const std::string& value,
                              const std::optional<double>& error, double scale,
                              const std::string& unit) {
        lines.push_back({label, value + " " + unit});
        if (error && std::isfinite(*error))
            lines.push_back({label + " error", SignificantText(*error * scale, 2) + " " + unit});
    };
    estimate("Ecorr", Fixed(r.ecorr.value, 5), r.ecorr.error, 1, "V");
    estimate("icorr", SignificantText(r.icorr.value * kMicro, 4), r.icorr.error, kMicro,
        "micro_amp/cm^2");
    const auto slope = [&](const std::optional<Estimate>& beta, const std::string& name) {
        if (beta)
            estimate(name, Fixed(beta->value * kMilli, 1), beta->error, kMilli, "mV/decade");
        else
            lines.push_back({name, r.passive && name == "beta a" ? "none (passive)" : "none"});
    };
    slope(r.betaA, "beta a");
    slope(r.betaC, "beta c");
    if (r.limitingCurrent)
        estimate("iL", SignificantText(r.limitingCurrent->value * kMicro, 4),
            r.limitingCurrent->error, kMicro, "micro_amp/cm^2");
    lines.push_back({"B", r.b ? Fixed(*r.b * kMilli, 2) + " mV" : "none"});
    lines.push_back({"Rp", r.rp ? SignificantText(*r.rp, 4) + " ohm cm^2" : "none"});
    if (r.rSquared)
        lines.push_back({"R^2", Fixed(*r.rSquared, 5)});
    if (r.rmse)
        lines.push_back({"RMSE", SignificantText(*r.rmse * kMicro, 3) + " micro_amp/cm^2"});
    lines.push_back({"points", std::to_string(r.points)});
    lines.push_back({"area", PlainText(report.area) + " cm^2"});
    lines.push_back({"material",
        OriginWords(report.material) + ": EW "
            + PlainText(report.material.material.equivalentWeight) + " g, density "
            + PlainText(report.material.material.density) + " g/cm^3"});
    lines.push_back({"corrosion rate",
        report.rate ? SignificantText(*report.rate, 4) + " " + report.unit : "none"});
    for (const std::string& warning : r.warnings)
        lines.push_back({"warning", warning});
    return lines;
}

std::string ReportJson(const PolarizationReport& report, const std::string& file)
{
    const PolarizationResult& r = report.result;
    std::string json = "{";
    const auto field = [&](const char* name, const std::string& value) {
        if (json.size() > 1)
            json += ",";
        json += JsonString(name) + ":" + value;
    };
    field("file", JsonString(file));
    field("method", JsonString(std::string(MethodWord(r.method))));
    field("ecorr_V", JsonNumber(r.ecorr.value));
    field("ecorr_error_V", JsonNumber(r.ecorr.error));
    field("icorr_uA_cm2", JsonNumber(r.icorr.value * kMicro));
    field("icorr_error_uA_cm2",
        JsonNumber(r.icorr.error ? std::optional(*r.icorr.error * kMicro) : std::nullopt));
    field("beta_a_mV_decade", JsonNumber(Scaled(r.betaA, kMilli)));
    field("beta_a_error_mV_decade", JsonNumber(ScaledError(r.betaA, kMilli)));
    field("beta_c_mV_decade", JsonNumber(Scaled(r.betaC, kMilli)));
    field("beta_c_error_mV_decade", JsonNumber(ScaledError(r.betaC, kMilli)));
    field("iL_uA_cm2", JsonNumber(Scaled(r.limitingCurrent, kMicro)));
    field("B_mV", JsonNumber(r.b ? std::optional(*r.b * kMilli) : std::nullopt));
    field("Rp_ohm_cm2", JsonNumber(r.rp));
    field("r_squared", JsonNumber(r.rSquared));
    field("rmse_uA_cm2", JsonNumber(r.rmse ? std::optional(*r.rmse * kMicro) : std::nullopt));
    field("points", std::to_string(r.points));
    field("passive", r.passive ? "true" : "false");
    field("area_cm2", JsonNumber(report.area));
    field("material", JsonString(OriginWords(report.material)));
    field("equivalent_weight_g", JsonNumber(report.material.material.equivalentWeight));
    field("density_g_cm3", JsonNumber(report.material.material.density));
    field("rate", JsonNumber(report.rate));
    field("rate_unit", JsonString(report.unit));
    std::string warnings = "[";
    for (const std::string& warning : r.warnings)
        warnings += (warnings.size() > 1 ? "," : "") + JsonString(warning);
    field("warnings", warnings + "]");
    return json + "}";
}

std::string ReportTabSeparated(const PolarizationReport& report)
{
    std::string text;
    for (const ReportLine& line : ReportLines(report))
        text += line.label + "\t" + line.value + "\n";
    return text;
}

std::string ReportCsv(const PolarizationReport& report)
{
    const auto quoted = [](const std::string& field) {
        if (field.find_first_of(",\"\n") == std::string::npos)
            return field;
        std::string out = "\"";
        for (const char c : field)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        return out + "\"";
    };
    std::string text = "figure,value\n";
    for (const ReportLine& line : ReportLines(report))
        text += quoted(line.label) + "," + quoted(line.value) + "\n";
    return text;
}

} // namespace corrolab
