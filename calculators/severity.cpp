#include "calculators/severity.h"

#include <string>

namespace corrolab {

const SeverityEdges& EdgesFor(Attack attack)
{
    return attack == Attack::General ? kGeneralEdges : kPittingEdges;
}

Severity Classify(double rate, Attack attack)
{
    const SeverityEdges& edges = EdgesFor(attack);
    if (rate > edges.severe)
        return Severity::Severe;
    if (rate >= edges.high)
        return Severity::High;
    if (rate >= edges.moderate)
        return Severity::Moderate;
    return Severity::Low;
}

std::string_view SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Low:
        return "low";
    case Severity::Moderate:
        return "moderate";
    case Severity::High:
        return "high";
    case Severity::Severe:
        return "severe";
    }
    return {};
}

std::string_view AttackName(Attack attack)
{
    return attack == Attack::General ? "general" : "pitting";
}

std::string SeverityLine(double rate, Attack attack)
{
    return std::string(SeverityName(Classify(rate, attack))) + " ("
        + std::string(AttackName(attack)) + " corrosion, carbon steel)";
}

} // namespace corrolab
