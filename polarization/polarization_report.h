#pragma once

#include "calculators/rate_units.h"
#include "polarization/analysis.h"
#include "polarization/curve.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corrolab {

// Where the material of the rate comes from.
enum class MaterialOrigin { Typed, File, MainWindow, Default };

// The material of the rate and the words that say where it came from.
struct RateMaterial
{
    CalculatorMaterial material;
    MaterialOrigin origin = MaterialOrigin::Default;
};

// The file's own equivalent weight and density when it has both, else iron as
// the main window opens.
RateMaterial MaterialOfCurve(const PolarizationCurve& curve);

// A finished analysis with what the figures are shown with.
struct PolarizationReport
{
    PolarizationResult result;
    double area = 1; // cm^2
    RateMaterial material;
    std::string unit = std::string(kMillimetresPerYear);
    std::optional<double> rate; // in `unit`; empty when the material gives none
};

// The report of a result: icorr through the program's corrosion-rate conversion
// to `unit` for the material.
PolarizationReport MakeReport(const PolarizationResult& result, double area,
    const RateMaterial& material, const std::string& unit);

// One labelled figure: "Ecorr" and "-0.45012 V".
struct ReportLine
{
    std::string label;
    std::string value;
};

// The figures in order, as the command line prints them and the window's table
// shows them ("Ecorr: -0.45012 V", "icorr: 10.02 micro_amp/cm^2", ...), then the
// warnings, each labelled "warning".
std::vector<ReportLine> ReportLines(const PolarizationReport& report);

// The same as one JSON object.
std::string ReportJson(const PolarizationReport& report, const std::string& file);

// The lines as tab-separated text ("Ecorr\t-0.45012 V"), one a line.
std::string ReportTabSeparated(const PolarizationReport& report);
// As CSV with a header row "figure,value", fields quoted where they need it.
std::string ReportCsv(const PolarizationReport& report);

// A value with `digits` significant digits in plain decimal form, locale-free
// ("10.02", "1737", "0.1162").
std::string SignificantText(double value, int digits);

} // namespace corrolab
