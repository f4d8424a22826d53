#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// A polarization curve as a potentiostat's file gives it, in the order measured:
// potential in V, current in A (or in A/cm^2 when the file gives a current
// density), time in s where the file has a time column.
struct PolarizationCurve
{
    std::vector<double> potential; // V
    std::vector<double> current; // A, or A/cm^2 when currentIsDensity
    std::vector<double> time; // s; empty when the file has no time
    bool currentIsDensity = false;
    // Figures from the file's header, the defaults of the analysis.
    std::optional<double> area; // cm^2
    std::optional<double> density; // g/cm^3
    std::optional<double> equivalentWeight; // g
    std::string format; // "Gamry DTA", "EC-Lab text", "NOVA", "text table"
};

// One branch of a scan: potentials (V) and current densities (A/cm^2).
struct CurveBranch
{
    std::vector<double> potential;
    std::vector<double> density;
};

enum class BranchChoice { Forward, Reverse };

// A scan split at its apex, the point where the potential turns back. A scan that
// never turns back is all forward; the apex belongs to both branches.
struct SplitCurve
{
    CurveBranch forward;
    CurveBranch reverse; // empty for a one-way scan
};

// The curve as current densities over the electrode area (cm^2; ignored when
// the file gives densities), with the ohmic drop taken off the potential:
// E - I * ru, I the current in A. Split at the apex.
SplitCurve SplitAtApex(const PolarizationCurve& curve, double area, double ru = 0);

} // namespace corrolab
