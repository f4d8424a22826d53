#include "polarization/analysis.h"

#include "calculators/stern_geary.h"
#include "polarization/least_squares.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace corrolab {

namespace {

constexpr double kLn10 = std::numbers::ln10;
constexpr int kFewPoints = 10;
constexpr double kTafelDistance = 0.050; // V from Ecorr, the nearest a Tafel region starts
constexpr double kPassiveSpan = 0.300; // V above Ecorr over which an active branch grows a decade
constexpr double kPassiveJudged = 0.100; // V above Ecorr the scan must reach to judge
constexpr double kPassiveReference = 0.025; // V above Ecorr, the current it grows from
constexpr double kSteepestSlope = 1.0; // V/decade, the bound of a fitted slope
constexpr double kFlattestSlope = 0.001;
constexpr int kFewestTafelPoints = 5;
constexpr double kLimitedGamma
    = 3; // the shape of the limited cathodic term (PolCurveFit's example)

// e^x without overflow: the fits may try steps far from the answer.
double SafeExp(double x)
{
    return std::exp(std::clamp(x, -700.0, 700.0));
}

struct Points
{
    std::vector<double> e;
    std::vector<double> i;
};

// A window holds its ends: potentials on a grid of steps land on them only to
// within rounding.
constexpr double kWindowRounding = 1e-9; // V

Points InWindow(const CurveBranch& branch, double ecorr, PotentialWindow window)
{
    Points points;
    for (std::size_t k = 0; k < branch.potential.size(); ++k) {
        const double eta = branch.potential[k] - ecorr;
        if (eta >= window.low - kWindowRounding && eta <= window.high + kWindowRounding) {
            points.e.push_back(branch.potential[k]);
            points.i.push_back(branch.density[k]);
        }
    }
    return points;
}

// A straight line y = a + b x by least squares with its figures.
struct Line
{
    double a = 0;
    double b = 0;
    double rSquared = 0;
    double slopeError = 0;
    double residualVariance = 0;
    double meanX = 0;
    double sxx = 0;
    int n = 0;
};

std::optional<Line> FitLine(const std::vector<double>& x, const std::vector<double>& y)
{
    const auto n = static_cast<double>(x.size());
    if (x.size() < 3)
        return std::nullopt;
    double mx = 0;
    double my = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        mx += x[k];
        my += y[k];
    }
    mx /= n;
    my /= n;
    double sxx = 0;
    double sxy = 0;
    double syy = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        sxx += (x[k] - mx) * (x[k] - mx);
        sxy += (x[k] - mx) * (y[k] - my);
        syy += (y[k] - my) * (y[k] - my);
    }
    if (!(sxx > 0))
        return std::nullopt;
    Line line;
    line.b = sxy / sxx;
    line.a = my - line.b * mx;
    const double ssr = std::max(0.0, syy - line.b * sxy);
    line.rSquared = syy > 0 ? 1 - ssr / syy : 1;
    line.residualVariance = ssr / (n - 2);
    line.slopeError = std::sqrt(line.residualVariance / sxx);
    line.meanX = mx;
    line.sxx = sxx;
    line.n = static_cast<int>(x.size());
    return line;
}

// The points of one side (anodic: positive currents above Ecorr) as E and log10|i|.
Points TafelSide(
    const CurveBranch& branch, double ecorr, bool anodic, std::optional<PotentialWindow> given)
{
    Points side;
    for (std::size_t k = 0; k < branch.potential.size(); ++k) {
        const double eta = branch.potential[k] - ecorr;
        const double i = branch.density[k];
        if (i == 0 || (anodic ? i < 0 : i > 0))
            continue;
        const bool inside = given ? eta >= given->low && eta <= given->high
                                  : (anodic ? eta >= kTafelDistance : eta <= -kTafelDistance);
        if (inside) {
            side.e.push_back(branch.potential[k]);
            side.i.push_back(std::log10(std::abs(i)));
        }
    }
    return side;
}

// The most linear stretch of at least one decade, nearest Ecorr first in order.
std::optional<TafelLine> FindTafelLine(Points side, bool anodic, bool given)
{
    // Order by distance from Ecorr.
    std::vector<std::size_t> order(side.e.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::ranges::sort(order, [&](std::size_t p, std::size_t q) {
        return anodic ? side.e[p] < side.e[q] : side.e[p] > side.e[q];
    });
    std::vector<double> e(order.size());
    std::vector<double> y(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        e[k] = side.e[order[k]];
        y[k] = side.i[order[k]];
    }
    const auto toLine = [](const Line& line, double low, double high) {
        TafelLine tafel;
        tafel.slope = line.b;
        tafel.intercept = line.a;
        tafel.low = std::min(low, high);
        tafel.high = std::max(low, high);
        tafel.points = line.n;
        tafel.rSquared = line.rSquared;
        return tafel;
    };
    if (given || e.size() < static_cast<std::size_t>(kFewestTafelPoints)) {
        const auto line = FitLine(e, y);
        if (!line || !given)
            return std::nullopt;
        return toLine(*line, e.front(), e.back());
    }
    // Prefix sums for the line through any stretch in O(1).
    const std::size_t n = e.size();
    std::vector<double> sx(n + 1), sy(n + 1), sxx(n + 1), sxy(n + 1), syy(n + 1);
    for (std::size_t k = 0; k < n; ++k) {
        sx[k + 1] = sx[k] + e[k];
        sy[k + 1] = sy[k] + y[k];
        sxx[k + 1] = sxx[k] + e[k] * e[k];
        sxy[k + 1] = sxy[k] + e[k] * y[k];
        syy[k + 1] = syy[k] + y[k] * y[k];
    }
    double bestR2 = -1;
    std::size_t bestStart = 0;
    std::size_t bestEnd = 0;
    std::size_t end = 0;
    for (std::size_t start = 0; start < n; ++start) {
        end = std::max(end, start + kFewestTafelPoints - 1);
        while (end < n && std::abs(y[end] - y[start]) < 1)
            ++end;
        if (end >= n)
            break;
        const double m = static_cast<double>(end - start + 1);
        const double mx = (sx[end + 1] - sx[start]) / m;
        const double my = (sy[end + 1] - sy[start]) / m;
        const double vxx = (sxx[end + 1] - sxx[start]) - m * mx * mx;
        const double vxy = (sxy[end + 1] - sxy[start]) - m * mx * my;
        const double vyy = (syy[end + 1] - syy[start]) - m * my * my;
        if (!(vxx > 0) || !(vyy > 0))
            continue;
        const double r2 = vxy * vxy / (vxx * vyy);
        const bool rightWay = anodic ? vxy > 0 : vxy < 0;
        if (rightWay && r2 > bestR2) {
            bestR2 = r2;
            bestStart = start;
            bestEnd = end;
        }
    }
    if (bestR2 < 0)
        return std::nullopt;
    const std::vector<double> re(e.begin() + static_cast<std::ptrdiff_t>(bestStart),
        e.begin() + static_cast<std::ptrdiff_t>(bestEnd + 1));
    const std::vector<double> ry(y.begin() + static_cast<std::ptrdiff_t>(bestStart),
        y.begin() + static_cast<std::ptrdiff_t>(bestEnd + 1));
    const auto line = FitLine(re, ry);
    if (!line)
        return std::nullopt;
    return toLine(*line, re.front(), re.back());
}

std::string Millivolts(double v)
{
    return std::to_string(static_cast<long long>(std::lround(v * 1000)));
}

void WarnFewPoints(PolarizationResult& result, int points)
{
    if (points < kFewPoints)
        result.warnings.push_back("only " + std::to_string(points)
            + " points in the fit window (fewer than " + std::to_string(kFewPoints) + ")");
}

void WarnBounds(PolarizationResult& result)
{
    const auto check = [&](const std::optional<Estimate>& beta, const char* name) {
        if (beta && (beta->value >= kSteepestSlope || beta->value <= kFlattestSlope))
            result.warnings.push_back(std::string(name) + " is at its bound ("
                + (beta->value >= kSteepestSlope ? "1 V/decade" : "1 mV/decade") + ")");
    };
    check(result.betaA, "beta a");
    check(result.betaC, "beta c");
}

// The fit's residuals are currents over this scale, so that they are near 1.
double CurrentScale(const Points& points)
{
    double scale = 0;
    for (const double i : points.i)
        scale = std::max(scale, std::abs(i));
    return scale > 0 ? scale : 1;
}

// A first icorr from the slope near Ecorr with B of 0.1 V/decade slopes.
double StartingIcorr(const Points& points, double ecorr, double scale)
{
    std::vector<double> e;
    std::vector<double> i;
    for (std::size_t k = 0; k < points.e.size(); ++k)
        if (std::abs(points.e[k] - ecorr) <= 0.015) {
            e.push_back(points.i[k]);
            i.push_back(points.e[k]);
        }
    if (const auto line = FitLine(e, i); line && line->b > 0)
        return 0.1 / (2 * kLn10) / line->b;
    return scale / 100;
}

struct ActivationFit
{
    LeastSquaresFit fit;
    double scale = 1;
};

// The Butler-Volmer fit on (E, i): parameters log10(icorr/scale), ln ba, ln bc
// and, with a free Ecorr, Ecorr.
ActivationFit FitActivation(const Points& points, double ecorr, bool freeEcorr)
{
    const double scale = CurrentScale(points);
    const std::size_t n = points.e.size();
    LeastSquaresProblem problem;
    problem.points = n;
    problem.parameters = freeEcorr ? 4 : 3;
    // The residuals keep both exponential terms of the last parameters; the
    // Jacobian, asked for at the same parameters, uses them again.
    std::vector<double> anodic(n);
    std::vector<double> cathodic(n);
    std::array<double, 4> last {NAN, NAN, NAN, NAN};
    const std::size_t count = problem.parameters;
    const auto terms = [&, count](const double* p) {
        if (std::equal(p, p + count, last.begin()))
            return;
        std::copy(p, p + count, last.begin());
        const double amplitude = std::pow(10.0, p[0]);
        const double ka = kLn10 / std::exp(p[1]);
        const double kc = kLn10 / std::exp(p[2]);
        const double e0 = freeEcorr ? p[3] : ecorr;
        for (std::size_t k = 0; k < n; ++k) {
            const double eta = points.e[k] - e0;
            anodic[k] = amplitude * SafeExp(ka * eta);
            cathodic[k] = amplitude * SafeExp(-kc * eta);
        }
    };
    problem.residuals = [&](const double* p, double* r) {
        terms(p);
        for (std::size_t k = 0; k < n; ++k)
            r[k] = anodic[k] - cathodic[k] - points.i[k] / scale;
    };
    problem.jacobian = [&, count](const double* p, double* j) {
        terms(p);
        const double ka = kLn10 / std::exp(p[1]);
        const double kc = kLn10 / std::exp(p[2]);
        const double e0 = freeEcorr ? p[3] : ecorr;
        for (std::size_t k = 0; k < n; ++k) {
            const double eta = points.e[k] - e0;
            const double a = anodic[k];
            const double c = cathodic[k];
            double* row = j + k * count;
            row[0] = kLn10 * (a - c);
            row[1] = -a * ka * eta;
            row[2] = -c * kc * eta;
            if (freeEcorr)
                row[3] = -a * ka - c * kc;
        }
    };
    const double icorr0 = StartingIcorr(points, ecorr, scale);
    ActivationFit best {{}, scale};
    const std::array<double, 3> factors {1, 0.1, 10};
    const std::array<double, 3> slopes {0.1, 0.05, 0.2};
    for (const double factor : factors)
        for (const double slope : slopes) {
            std::vector<double> start {
                std::log10(icorr0 * factor / scale), std::log(slope), std::log(slope)};
            if (freeEcorr)
                start.push_back(ecorr);
            LeastSquaresFit fit = FitLeastSquares(problem, start);
            if (!fit.unavailable.empty()) // no other start will do better
                return {std::move(fit), scale};
            const bool better = fit.finite
                && (!best.fit.finite || (fit.converged && !best.fit.converged)
                    || (fit.converged == best.fit.converged
                        && fit.sumOfSquares < best.fit.sumOfSquares));
            if (better)
                best.fit = std::move(fit);
            if (best.fit.finite && best.fit.converged)
                return best;
        }
    return best;
}

// R^2 and RMSE of a fit on the current density.
void FitFigures(PolarizationResult& result, const Points& points, double sumOfSquares, double scale)
{
    double mean = 0;
    for (const double i : points.i)
        mean += i;
    mean /= static_cast<double>(points.i.size());
    double total = 0;
    for (const double i : points.i)
        total += (i - mean) * (i - mean);
    const double residual = sumOfSquares * scale * scale;
    result.rSquared = total > 0 ? 1 - residual / total : 1;
    result.rmse = std::sqrt(residual / static_cast<double>(points.i.size()));
}

void SetSternGeary(PolarizationResult& result)
{
    if (!result.betaA || !result.betaC)
        return;
    result.b = SternGearyB(result.betaA->value, result.betaC->value);
    if (result.b && result.icorr.value > 0)
        result.rp = *result.b / result.icorr.value;
}

std::optional<std::string> ButlerVolmer(
    const CurveBranch& branch, const AnalysisOptions& options, PolarizationResult& result)
{
    result.window = options.window.value_or(kDefaultFitWindow);
    const Points points = InWindow(branch, result.ecorr.value, result.window);
    result.points = static_cast<int>(points.e.size());
    const int parameters = options.freeEcorr ? 4 : 3;
    if (result.points <= parameters)
        return "only " + std::to_string(result.points) + " points in the fit window from "
            + Millivolts(result.window.low) + " to " + Millivolts(result.window.high) + " mV";
    WarnFewPoints(result, result.points);
    const ActivationFit activation = FitActivation(points, result.ecorr.value, options.freeEcorr);
    const LeastSquaresFit& fit = activation.fit;
    if (!fit.unavailable.empty())
        return fit.unavailable;
    if (!fit.finite)
        return "the Butler-Volmer fit gives no numbers";
    if (!fit.converged)
        result.warnings.push_back("the Butler-Volmer fit did not converge");
    const double icorr = std::pow(10.0, fit.parameters[0]) * activation.scale;
    result.icorr = {icorr, icorr * kLn10 * fit.errors[0]};
    const double ba = std::exp(fit.parameters[1]);
    const double bc = std::exp(fit.parameters[2]);
    result.betaA = Estimate {ba, ba * fit.errors[1]};
    result.betaC = Estimate {bc, bc * fit.errors[2]};
    if (options.freeEcorr)
        result.ecorr = {fit.parameters[3], fit.errors[3]};
    FitFigures(result, points, fit.sumOfSquares, activation.scale);
    WarnBounds(result);
    SetSternGeary(result);
    return std::nullopt;
}

std::optional<std::string> Mixed(
    const CurveBranch& branch, const AnalysisOptions& options, PolarizationResult& result)
{
    double lowest = 0;
    for (const double e : branch.potential)
        lowest = std::min(lowest, e - result.ecorr.value);
    result.window = options.window.value_or(PotentialWindow {lowest, kDefaultFitWindow.high});
    const Points points = InWindow(branch, result.ecorr.value, result.window);
    result.points = static_cast<int>(points.e.size());
    const int parameters = options.freeEcorr ? 5 : 4;
    if (result.points <= parameters)
        return "only " + std::to_string(result.points) + " points in the fit window";
    WarnFewPoints(result, result.points);
    // Start from the activation fit near Ecorr and the largest cathodic current.
    const Points near = InWindow(branch, result.ecorr.value, kDefaultFitWindow);
    const ActivationFit first
        = near.e.size() > 3 ? FitActivation(near, result.ecorr.value, false) : ActivationFit {};
    const double scale = CurrentScale(points);
    double limit = 0;
    for (const double i : points.i)
        limit = std::max(limit, -i);
    if (!(limit > 0))
        return "the fit window holds no cathodic current";
    const double icorr0
        = first.fit.finite ? std::pow(10.0, first.fit.parameters[0]) * first.scale : limit / 100;
    const double ba0 = first.fit.finite ? std::exp(first.fit.parameters[1]) : 0.1;
    const double bc0 = first.fit.finite ? std::exp(first.fit.parameters[2]) : 0.1;
    const double e0 = result.ecorr.value;
    const std::size_t n = points.e.size();
    LeastSquaresProblem problem;
    problem.points = n;
    problem.parameters = static_cast<std::size_t>(parameters);
    problem.residuals = [&](const double* p, double* r) {
        const double icorr = std::pow(10.0, p[0]);
        const double ba = std::exp(p[1]);
        const double bc = std::exp(p[2]);
        const double il = std::pow(10.0, p[3]);
        const double ecorr = options.freeEcorr ? p[4] : e0;
        for (std::size_t k = 0; k < n; ++k)
            r[k] = MixedDensity(points.e[k], ecorr, icorr, ba, bc, il) - points.i[k] / scale;
    };
    std::vector<double> start {
        std::log10(icorr0 / scale), std::log(ba0), std::log(bc0), std::log10(limit / scale)};
    if (options.freeEcorr)
        start.push_back(e0);
    const LeastSquaresFit fit = FitLeastSquares(problem, start);
    if (!fit.unavailable.empty())
        return fit.unavailable;
    if (!fit.finite)
        return "the mixed activation-diffusion fit gives no numbers";
    if (!fit.converged)
        result.warnings.push_back("the mixed activation-diffusion fit did not converge");
    const double icorr = std::pow(10.0, fit.parameters[0]) * scale;
    result.icorr = {icorr, icorr * kLn10 * fit.errors[0]};
    result.betaA
        = Estimate {std::exp(fit.parameters[1]), std::exp(fit.parameters[1]) * fit.errors[1]};
    result.betaC
        = Estimate {std::exp(fit.parameters[2]), std::exp(fit.parameters[2]) * fit.errors[2]};
    const double il = std::pow(10.0, fit.parameters[3]) * scale;
    result.limitingCurrent = Estimate {il, il * kLn10 * fit.errors[3]};
    if (options.freeEcorr)
        result.ecorr = {fit.parameters[4], fit.errors[4]};
    if (il > 2 * limit)
        result.warnings.push_back("the fitted iL lies beyond the largest cathodic current: the "
                                  "window shows no limiting current");
    FitFigures(result, points, fit.sumOfSquares, scale);
    WarnBounds(result);
    SetSternGeary(result);
    return std::nullopt;
}

// Tafel lines on both sides (the cathodic one only when the anodic branch is
// passive); icorr where they meet Ecorr, or each other with a free Ecorr.
std::optional<std::string> Tafel(
    const CurveBranch& branch, const AnalysisOptions& options, PolarizationResult& result)
{
    const double ecorr = result.ecorr.value;
    if (!result.passive)
        result.anodicLine = FindTafelLine(
            TafelSide(branch, ecorr, true, options.anodic), true, options.anodic.has_value());
    result.cathodicLine = FindTafelLine(
        TafelSide(branch, ecorr, false, options.cathodic), false, options.cathodic.has_value());
    if (!result.passive && !result.anodicLine)
        result.warnings.push_back("no anodic Tafel region of a decade at least 50 mV from Ecorr");
    if (!result.cathodicLine)
        result.warnings.push_back("no cathodic Tafel region of a decade at least 50 mV from Ecorr");
    if (!result.anodicLine && !result.cathodicLine)
        return "no Tafel region on either branch";
    const auto slopeOf = [](const TafelLine& line) { return 1 / std::abs(line.slope); };
    const auto logAt
        = [](const TafelLine& line, double e) { return line.intercept + line.slope * e; };
    const auto estimate = [&](const TafelLine& line, const Points& side) {
        // the slope's standard error from the region's residuals
        std::vector<double> e;
        std::vector<double> y;
        for (std::size_t k = 0; k < side.e.size(); ++k)
            if (side.e[k] >= line.low && side.e[k] <= line.high) {
                e.push_back(side.e[k]);
                y.push_back(side.i[k]);
            }
        const auto fitted = FitLine(e, y);
        const double beta = slopeOf(line);
        return Estimate {
            beta, fitted ? fitted->slopeError * beta * beta : std::optional<double> {}};
    };
    if (result.anodicLine)
        result.betaA = estimate(*result.anodicLine, TafelSide(branch, ecorr, true, options.anodic));
    if (result.cathodicLine)
        result.betaC
            = estimate(*result.cathodicLine, TafelSide(branch, ecorr, false, options.cathodic));
    result.points = (result.anodicLine ? result.anodicLine->points : 0)
        + (result.cathodicLine ? result.cathodicLine->points : 0);
    if (result.anodicLine && result.cathodicLine) {
        const TafelLine& a = *result.anodicLine;
        const TafelLine& c = *result.cathodicLine;
        if (options.freeEcorr && a.slope != c.slope) {
            const double meet = (c.intercept - a.intercept) / (a.slope - c.slope);
            result.ecorr = {meet, std::nullopt};
            result.icorr = {std::pow(10.0, logAt(a, meet)), std::nullopt};
        } else {
            result.icorr = {std::pow(10.0, (logAt(a, ecorr) + logAt(c, ecorr)) / 2), std::nullopt};
        }
        result.rSquared = std::min(a.rSquared, c.rSquared);
    } else {
        const TafelLine& line = result.anodicLine ? *result.anodicLine : *result.cathodicLine;
        result.icorr = {std::pow(10.0, logAt(line, ecorr)), std::nullopt};
        result.rSquared = line.rSquared;
    }
    WarnBounds(result);
    SetSternGeary(result);
    return std::nullopt;
}

std::optional<std::string> Lpr(
    const CurveBranch& branch, const AnalysisOptions& options, PolarizationResult& result)
{
    result.window = {-options.lprRange, options.lprRange};
    const Points points = InWindow(branch, result.ecorr.value, result.window);
    result.points = static_cast<int>(points.e.size());
    const auto line = FitLine(points.i, points.e);
    if (!line || !(line->b > 0))
        return "fewer than 3 points within " + Millivolts(options.lprRange)
            + " mV of Ecorr, or no rising current";
    WarnFewPoints(result, result.points);
    result.rp = line->b;
    result.rSquared = line->rSquared;
    if (options.b) {
        result.b = *options.b;
    } else {
        // B from the slopes of the Butler-Volmer fit over the default window.
        AnalysisOptions slopes = options;
        slopes.window = kDefaultFitWindow;
        slopes.freeEcorr = false;
        PolarizationResult fitted = result;
        fitted.warnings.clear();
        if (ButlerVolmer(branch, slopes, fitted) || !fitted.b)
            return "no Stern-Geary coefficient: give --b or a curve whose Butler-Volmer fit gives "
                   "both slopes";
        result.betaA = fitted.betaA;
        result.betaC = fitted.betaC;
        result.b = fitted.b;
        for (const std::string& warning : fitted.warnings)
            result.warnings.push_back("slopes for B: " + warning);
    }
    result.icorr = {*result.b / *result.rp, std::nullopt};
    return std::nullopt;
}

} // namespace

std::string_view MethodWord(PolarizationMethod method)
{
    switch (method) {
    case PolarizationMethod::ButlerVolmer:
        return "butler-volmer";
    case PolarizationMethod::Tafel:
        return "tafel";
    case PolarizationMethod::Mixed:
        return "mixed";
    case PolarizationMethod::Lpr:
        return "lpr";
    }
    return "";
}

std::optional<PolarizationMethod> PolarizationMethodFromWord(std::string_view word)
{
    for (const auto method : {PolarizationMethod::ButlerVolmer, PolarizationMethod::Tafel,
             PolarizationMethod::Mixed, PolarizationMethod::Lpr})
        if (MethodWord(method) == word)
            return method;
    return std::nullopt;
}

std::optional<double> FindEcorr(const CurveBranch& branch)
{
    std::optional<double> ecorr;
    double smallest = 0;
    const std::size_t n = std::min(branch.potential.size(), branch.density.size());
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double i1 = branch.density[k];
        const double i2 = branch.density[k + 1];
        const bool change
            = (i1 < 0 && i2 >= 0) || (i1 > 0 && i2 <= 0) || (i1 == 0 && k == 0 && i2 != 0);
        if (!change)
            continue;
        const double size = std::max(std::abs(i1), std::abs(i2));
        if (ecorr && size >= smallest)
            continue;
        const double e1 = branch.potential[k];
        const double e2 = branch.potential[k + 1];
        smallest = size;
        ecorr = i1 == i2 ? e1 : e1 + (e2 - e1) * (0 - i1) / (i2 - i1);
    }
    return ecorr;
}

bool AnodicBranchIsPassive(const CurveBranch& branch, double ecorr)
{
    double reach = 0;
    double reference = 0;
    double nearest = 1;
    double largest = 0;
    for (std::size_t k = 0; k < branch.potential.size(); ++k) {
        const double eta = branch.potential[k] - ecorr;
        const double i = branch.density[k];
        if (eta <= 0 || eta > kPassiveSpan || !(i > 0))
            continue;
        reach = std::max(reach, eta);
        if (std::abs(eta - kPassiveReference) < nearest) {
            nearest = std::abs(eta - kPassiveReference);
            reference = i;
        }
        if (eta >= kPassiveReference)
            largest = std::max(largest, i);
    }
    if (reach < kPassiveJudged || !(reference > 0))
        return false;
    return largest < 10 * reference;
}

double ButlerVolmerDensity(double e, double ecorr, double icorr, double betaA, double betaC)
{
    const double eta = e - ecorr;
    return icorr * (SafeExp(kLn10 * eta / betaA) - SafeExp(-kLn10 * eta / betaC));
}

double MixedDensity(double e, double ecorr, double icorr, double betaA, double betaC, double iL)
{
    const double eta = e - ecorr;
    const double cathodic = icorr * SafeExp(-kLn10 * eta / betaC);
    const double ratio = cathodic / iL;
    constexpr double kLimited = 1e90; // (ratio)^3 would overflow: the current is iL
    const double limited
        = ratio > kLimited ? iL : cathodic / std::cbrt(1 + std::pow(ratio, kLimitedGamma));
    return icorr * SafeExp(kLn10 * eta / betaA) - limited;
}

std::optional<double> SternGearyB(double betaA, double betaC)
{
    constexpr double kMillivolts = 1000;
    const Checked<double> b = SternGearyCoefficient(betaA * kMillivolts, betaC * kMillivolts);
    if (!b)
        return std::nullopt;
    return *b / kMillivolts;
}

PolarizationAnalysis AnalyseBranch(const CurveBranch& branch, const AnalysisOptions& options)
{
    if (branch.potential.size() < 3)
        return {std::nullopt, "the branch holds fewer than 3 points"};
    const auto ecorr = FindEcorr(branch);
    if (!ecorr)
        return {std::nullopt, "the current never changes sign: no corrosion potential"};
    PolarizationResult result;
    result.method = options.method;
    result.ecorr = {*ecorr, std::nullopt};
    result.passive = AnodicBranchIsPassive(branch, *ecorr);
    std::optional<std::string> error;
    switch (options.method) {
    case PolarizationMethod::ButlerVolmer:
        error = result.passive ? Tafel(branch, options, result)
                               : ButlerVolmer(branch, options, result);
        break;
    case PolarizationMethod::Mixed:
        error = result.passive ? Tafel(branch, options, result) : Mixed(branch, options, result);
        break;
    case PolarizationMethod::Tafel:
        error = Tafel(branch, options, result);
        break;
    case PolarizationMethod::Lpr:
        error = Lpr(branch, options, result);
        break;
    }
    if (error)
        return {std::nullopt, *error};
    // A fitted anodic slope steeper than 1 V/decade is a passive branch too.
    if (!result.passive && options.method != PolarizationMethod::Lpr && result.betaA
        && result.betaA->value > kSteepestSlope) {
        AnalysisOptions tafel = options;
        tafel.method = PolarizationMethod::Tafel;
        PolarizationResult passive;
        passive.method = options.method;
        passive.ecorr = {*ecorr, std::nullopt};
        passive.passive = true;
        if (!Tafel(branch, tafel, passive))
            result = std::move(passive);
        else
            result.passive = true;
    }
    if (result.passive) {
        result.betaA.reset();
        result.anodicLine.reset();
        result.b.reset();
        if (options.method != PolarizationMethod::Lpr)
            result.rp.reset();
        result.warnings.insert(result.warnings.begin(),
            "the anodic branch is passive: no anodic Tafel slope; icorr from the cathodic branch");
    }
    if (!(result.icorr.value > 0) || !std::isfinite(result.icorr.value))
        return {std::nullopt, "the analysis gives no corrosion current"};
    return {std::move(result), {}};
}

std::vector<std::pair<double, double>> FittedCurve(
    const PolarizationResult& result, double low, double high, int count)
{
    std::vector<std::pair<double, double>> curve;
    if (count < 2 || !(high > low) || !result.betaC)
        return curve;
    if (result.method != PolarizationMethod::ButlerVolmer
        && result.method != PolarizationMethod::Mixed)
        return curve;
    if (!result.betaA)
        return curve;
    curve.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const double e = low + (high - low) * k / (count - 1);
        const double i = result.limitingCurrent
            ? MixedDensity(e, result.ecorr.value, result.icorr.value, result.betaA->value,
                result.betaC->value, result.limitingCurrent->value)
            : ButlerVolmerDensity(e, result.ecorr.value, result.icorr.value, result.betaA->value,
                result.betaC->value);
        curve.emplace_back(e, i);
    }
    return curve;
}

} // namespace corrolab
