#pragma once

#include <array>
#include <string_view>

namespace corrolab {

// The qualitative categories of NACE SP0775 for carbon steel.
enum class Severity { Low, Moderate, High, Severe };
enum class Attack { General, Pitting };

// The edges between the categories in mm/year, as the standard prints them:
// a rate below `moderate` is low; from `moderate` and below `high`, moderate
// (the standard's gap between "0.12" and "0.13" belongs to the lower category);
// from `high` up to and including `severe`, high; above `severe`, severe.
struct SeverityEdges
{
    double moderate;
    double high;
    double severe;
};
inline constexpr SeverityEdges kGeneralEdges {0.025, 0.13, 0.25};
inline constexpr SeverityEdges kPittingEdges {0.13, 0.21, 0.38};

const SeverityEdges& EdgesFor(Attack attack);

// The category of a rate in mm/year (a negative rate counts as low).
Severity Classify(double millimetresPerYear, Attack attack);

std::string_view SeverityName(Severity severity); // "low", "moderate", "high", "severe"
std::string_view AttackName(Attack attack); // "general", "pitting"

// "severe (general corrosion, carbon steel)"
std::string SeverityLine(double millimetresPerYear, Attack attack);

} // namespace corrolab
