#pragma once

#include <array>
#include <string_view>

namespace corrolab {

// The qualitative categories of NACE SP0775 for carbon steel.
enum class Severity { Low, Moderate, High, Severe };
enum class Attack { General, Pitting };

// The edges between the categories in mm/year: a rate below `moderate` is low;
// from `moderate` and below `high`, moderate; from `high` up to and including
// `severe`, high; above `severe`, severe. General corrosion takes the edges of
// the standard's mpy form, 1, 5 and 10 mpy (0.0254, 0.127, 0.254 mm/year): its
// printed mm/year bands (0.025-0.12, 0.13-0.25) round them and leave gaps.
// Pitting takes the printed mm/year figures (the gap between "0.20" and "0.21"
// belongs to the lower category).
struct SeverityEdges
{
    double moderate;
    double high;
    double severe;
};
inline constexpr SeverityEdges kGeneralEdges {0.0254, 0.127, 0.254};
inline constexpr SeverityEdges kPittingEdges {0.13, 0.21, 0.38};

const SeverityEdges& EdgesFor(Attack attack);

// The category of a rate in mm/year (a negative rate counts as low).
Severity Classify(double millimetresPerYear, Attack attack);

std::string_view SeverityName(Severity severity); // "low", "moderate", "high", "severe"
std::string_view AttackName(Attack attack); // "general", "pitting"

// "severe (general corrosion, carbon steel)"
std::string SeverityLine(double millimetresPerYear, Attack attack);

} // namespace corrolab
