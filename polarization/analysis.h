#pragma once

#include "polarization/curve.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corrolab {

enum class PolarizationMethod { ButlerVolmer, Tafel, Mixed, Lpr };

// The method's word on the command line ("butler-volmer", "tafel", "mixed",
// "lpr") and back.
std::string_view MethodWord(PolarizationMethod method);
std::optional<PolarizationMethod> PolarizationMethodFromWord(std::string_view word);

// A potential window relative to Ecorr, in V.
struct PotentialWindow
{
    double low = 0;
    double high = 0;
};

struct AnalysisOptions
{
    PolarizationMethod method = PolarizationMethod::ButlerVolmer;
    // The fit window; the mixed fit takes the whole cathodic branch and +0.10 V
    // when none is given.
    std::optional<PotentialWindow> window;
    std::optional<PotentialWindow> anodic; // Tafel regions; found when not given
    std::optional<PotentialWindow> cathodic;
    double lprRange = 0.010; // V either side of Ecorr
    std::optional<double> b; // typed Stern-Geary coefficient, V
    bool freeEcorr = false;
};

inline constexpr PotentialWindow kDefaultFitWindow {-0.10, 0.10};

// A fitted figure and its standard error (from the Jacobian), when known.
struct Estimate
{
    double value = 0;
    std::optional<double> error;
};

// A straight line log10|i| = intercept + slope * E through a region of a branch.
struct TafelLine
{
    double slope = 0; // decades per V (negative on the cathodic branch)
    double intercept = 0;
    double low = 0; // the region's potentials, V
    double high = 0;
    int points = 0;
    double rSquared = 0;
};

struct PolarizationResult
{
    PolarizationMethod method = PolarizationMethod::ButlerVolmer;
    Estimate ecorr; // V
    Estimate icorr; // A/cm^2
    std::optional<Estimate> betaA; // V/decade
    std::optional<Estimate> betaC;
    std::optional<Estimate> limitingCurrent; // A/cm^2, the mixed fit's iL
    std::optional<double> b; // V
    std::optional<double> rp; // ohm cm^2
    std::optional<double> rSquared;
    std::optional<double> rmse; // A/cm^2
    int points = 0; // the points the method used
    bool passive = false;
    PotentialWindow window {}; // the fit's window relative to Ecorr
    std::optional<TafelLine> anodicLine;
    std::optional<TafelLine> cathodicLine;
    std::vector<std::string> warnings;
};

// The analysis, or why the curve gives none.
struct PolarizationAnalysis
{
    std::optional<PolarizationResult> result;
    std::string error;
};

// Where the branch's current changes sign, interpolated linearly between the two
// points around it (the change with the smallest currents around it when there
// are several); std::nullopt when it never changes sign.
std::optional<double> FindEcorr(const CurveBranch& branch);

// Whether the anodic branch is passive: its current grows by less than a decade
// over the 300 mV above Ecorr (judged when the scan reaches 100 mV above Ecorr).
bool AnodicBranchIsPassive(const CurveBranch& branch, double ecorr);

// The current density of the activation-controlled (Butler-Volmer) curve, A/cm^2.
double ButlerVolmerDensity(double e, double ecorr, double icorr, double betaA, double betaC);
// The mixed activation-diffusion curve (van Ede & Angst): the cathodic term is
// limited by iL, ic = icorr 10^(-(E-Ecorr)/betaC),
// i = icorr 10^((E-Ecorr)/betaA) - ic / (1 + (ic/iL)^3)^(1/3).
double MixedDensity(double e, double ecorr, double icorr, double betaA, double betaC, double iL);

// The Stern-Geary coefficient B = ba bc / (2.303 (ba + bc)), slopes and B in V.
std::optional<double> SternGearyB(double betaA, double betaC);

// The whole analysis of a branch by the chosen method.
PolarizationAnalysis AnalyseBranch(const CurveBranch& branch, const AnalysisOptions& options);

// The fitted curve of a result over [low, high] V, `count` points (for plots).
std::vector<std::pair<double, double>> FittedCurve(
    const PolarizationResult& result, double low, double high, int count);

} // namespace corrolab
