#include "calculators/rate_units.h"
#include "polarization/analysis.h"
#include "polarization/curve_readers.h"
#include "tests/support/polarization_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace corrolab {
namespace {

using testing::MakeActivationCurve;
using testing::SyntheticCurve;

struct RecoveryRow
{
    const char* name;
    PolarizationMethod method;
    bool freeEcorr;
    double noise;
    double tolerance; // relative, on icorr and the slopes
    bool slopes; // whether the method gives both slopes
    const char* warning = ""; // the one warning beside the figures, if any
};

// The activation curve (icorr 10 uA/cm^2, ba 60, bc 120 mV/decade, Ecorr -0.450 V,
// 1 mV steps over +-250 mV, 1 % noise) recovered by each method.
TEST(PolarizationAnalysis, RecoversTheActivationCurve)
{
    const RecoveryRow rows[] = {
        {"butler-volmer", PolarizationMethod::ButlerVolmer, false, 0.01, 0.03, true},
        {"butler-volmer free Ecorr", PolarizationMethod::ButlerVolmer, true, 0.01, 0.03, true},
        {"butler-volmer noise-free", PolarizationMethod::ButlerVolmer, false, 0, 1e-6, true},
        {"tafel", PolarizationMethod::Tafel, false, 0.01, 0.03, true},
        {"tafel free Ecorr", PolarizationMethod::Tafel, true, 0.01, 0.03, true},
        // A curve without a limiting current: iL runs off, and the figures say so.
        {"mixed", PolarizationMethod::Mixed, false, 0.01, 0.03, true,
            "the fitted iL lies beyond the largest cathodic current: the window shows no "
            "limiting current"},
        {"lpr with the fitted slopes", PolarizationMethod::Lpr, false, 0.01, 0.03, true},
    };
    for (const RecoveryRow& row : rows) {
        SCOPED_TRACE(row.name);
        SyntheticCurve synthetic;
        synthetic.noise = row.noise;
        AnalysisOptions options;
        options.method = row.method;
        options.freeEcorr = row.freeEcorr;
        const PolarizationAnalysis analysis
            = AnalyseBranch(MakeActivationCurve(synthetic), options);
        ASSERT_TRUE(analysis.result) << analysis.error;
        const PolarizationResult& r = *analysis.result;
        EXPECT_NEAR(r.icorr.value, 10e-6, 10e-6 * row.tolerance);
        EXPECT_NEAR(r.ecorr.value, -0.450, 0.002);
        ASSERT_TRUE(r.betaA && r.betaC);
        EXPECT_NEAR(r.betaA->value, 0.060, 0.060 * row.tolerance);
        EXPECT_NEAR(r.betaC->value, 0.120, 0.120 * row.tolerance);
        EXPECT_FALSE(r.passive);
        ASSERT_TRUE(r.b);
        EXPECT_NEAR(*r.b, 0.01737, 0.01737 * row.tolerance + 1e-5);
        if (row.method != PolarizationMethod::Tafel) {
            EXPECT_EQ(r.warnings,
                *row.warning ? std::vector<std::string> {row.warning}
                             : std::vector<std::string> {});
        }
    }
}

TEST(PolarizationAnalysis, FitReportsStandardErrorsAndQuality)
{
    const PolarizationAnalysis analysis = AnalyseBranch(MakeActivationCurve({}), {});
    ASSERT_TRUE(analysis.result) << analysis.error;
    const PolarizationResult& r = *analysis.result;
    ASSERT_TRUE(r.icorr.error && r.betaA->error && r.betaC->error);
    // 1 % noise on 201 points: errors well under a percent, but not zero.
    EXPECT_GT(*r.icorr.error, 0);
    EXPECT_LT(*r.icorr.error, 0.01 * r.icorr.value);
    EXPECT_GT(*r.betaA->error, 0);
    EXPECT_LT(*r.betaA->error, 0.01 * r.betaA->value);
    EXPECT_GT(*r.rSquared, 0.999);
    EXPECT_GT(*r.rmse, 0);
    EXPECT_EQ(r.points, 201);
    // Rp = B / icorr
    EXPECT_NEAR(*r.rp, *r.b / r.icorr.value, 1e-9 * *r.rp);
}

// The same curve as a 2 cm^2 Gamry file (twice the current) gives the same icorr
// per cm^2, and with the header's iron figures 0.116 mm/year.
TEST(PolarizationAnalysis, GamryFileOfTwoSquareCentimetres)
{
    SyntheticCurve synthetic;
    const PolarizationAnalysis direct = AnalyseBranch(MakeActivationCurve(synthetic), {});
    synthetic.area = 2;
    const CurveRead read
        = ReadCurveBytes(testing::GamryText(MakeActivationCurve(synthetic), 2, 7.87, 27.92));
    ASSERT_TRUE(read.curve) << read.error;
    EXPECT_EQ(read.curve->format, "Gamry DTA");
    ASSERT_TRUE(read.curve->area && read.curve->density && read.curve->equivalentWeight);
    EXPECT_DOUBLE_EQ(*read.curve->area, 2);
    const PolarizationAnalysis fromFile
        = AnalyseBranch(SplitAtApex(*read.curve, *read.curve->area).forward, {});
    ASSERT_TRUE(direct.result && fromFile.result) << fromFile.error;
    EXPECT_NEAR(fromFile.result->icorr.value, direct.result->icorr.value,
        1e-6 * direct.result->icorr.value);
    EXPECT_NEAR(fromFile.result->icorr.value, 10e-6, 0.3e-6);
    const CalculatorMaterial iron {"file", *read.curve->equivalentWeight, *read.curve->density};
    // G102: CR = K1 icorr EW / rho, K1 = 3.27e-3 mm g / (uA cm year)
    const auto exact = ConvertRate(10, kMicroampsPerCm2, kMillimetresPerYear, iron);
    ASSERT_TRUE(exact);
    EXPECT_NEAR(*exact, 3.27e-3 * 10 * 27.92 / 7.87, 0.0005);
    EXPECT_NEAR(*exact, 0.116, 0.0005);
    const auto fitted = ConvertRate(
        fromFile.result->icorr.value * 1e6, kMicroampsPerCm2, kMillimetresPerYear, iron);
    EXPECT_NEAR(*fitted, 0.116, 0.116 * 0.03);
}

// PolCurveFit's example 2 (van Ede & Angst): the mixed curve written with 2.3 for
// ln 10, E = -1.0 ... 0.09 V in 10 mV steps, 10 cm^2. Its activation fit over
// -0.35 ... +0.30 V around Ecorr gives ba 0.08000205 V, bc 0.18101216 V and
// icorr 2.00041074 A/m^2.
TEST(PolarizationAnalysis, PolCurveFitExampleTwo)
{
    const double icorr = 0.002; // A
    const double ecorr = -0.2;
    const double ba = 0.08;
    const double bc = 0.18;
    const double il = 0.3;
    const double area = 10; // cm^2
    CurveBranch branch;
    // numpy's arange(-1.0, 0.1, 0.01): the start plus k times the first step as
    // it comes out in doubles.
    const double step = (-1.0 + 0.01) - -1.0;
    for (int k = 0; k < 110; ++k) {
        const double e = -1.0 + k * step;
        const double cathodic = icorr * std::exp(2.3 * (ecorr - e) / bc);
        const double i = icorr * std::exp(2.3 * (e - ecorr) / ba)
            - std::pow(std::pow(cathodic, 3) / (1 + std::pow(cathodic / il, 3)), 1.0 / 3);
        branch.potential.push_back(e);
        branch.density.push_back(i / area);
    }
    // Their slopes count decades with 2.3; ours with ln 10.
    const double toTheirs = 2.3 / std::numbers::ln10;
    constexpr double kAmpsPerSquareMetre = 1e4; // per A/cm^2
    struct Row
    {
        const char* name;
        PolarizationMethod method;
        PotentialWindow window;
        double betaA, betaC, icorr, tolerance;
    };
    const Row rows[] = {
        // Their window cut, E - Ecorr >= -0.35 with Ecorr the grid point nearest
        // -0.2 V, leaves -0.55 V out by rounding (-0.3500000000000003): their fit
        // has the 64 points from -0.54 V, which -0.345 takes here.
        {"activation fit", PolarizationMethod::ButlerVolmer, {-0.345, 0.30}, 0.08000205, 0.18101216,
            2.00041074, 2e-6},
        // The mixed model is the curve itself: it comes back exactly.
        {"mixed fit", PolarizationMethod::Mixed, {-0.80, 0.29}, 0.08, 0.18, 2.0, 1e-5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AnalysisOptions options;
        options.method = row.method;
        options.window = row.window;
        const PolarizationAnalysis analysis = AnalyseBranch(branch, options);
        ASSERT_TRUE(analysis.result) << analysis.error;
        const PolarizationResult& r = *analysis.result;
        EXPECT_NEAR(r.ecorr.value, -0.2, 1e-6);
        EXPECT_NEAR(r.betaA->value * toTheirs, row.betaA, row.tolerance);
        EXPECT_NEAR(r.betaC->value * toTheirs, row.betaC, row.tolerance);
        EXPECT_NEAR(r.icorr.value * kAmpsPerSquareMetre, row.icorr, row.tolerance * 10);
        if (row.method == PolarizationMethod::Mixed) {
            ASSERT_TRUE(r.limitingCurrent);
            EXPECT_NEAR(r.limitingCurrent->value, il / area, 1e-6);
        }
    }
}

TEST(PolarizationAnalysis, SternGearyCoefficients)
{
    const struct
    {
        double betaA, betaC, b;
    } rows[] = {
        {0.120, 0.120, 0.02605}, // as the Stern-Geary calculator gives
        {0.060, 0.120, 0.01737},
        {0.080, 0.180, 0.02405},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.betaA);
        const auto b = SternGearyB(row.betaA, row.betaC);
        ASSERT_TRUE(b);
        EXPECT_NEAR(*b, row.b, 0.000005);
    }
    EXPECT_FALSE(SternGearyB(0, 0.1));
}

TEST(PolarizationAnalysis, CorrosionPotentialBySignChange)
{
    const struct
    {
        const char* name;
        std::vector<double> e, i;
        std::optional<double> ecorr;
    } rows[] = {
        {"between two points", {-0.5, -0.4, -0.3}, {-3, -1, 1}, -0.35},
        {"interpolated", {-0.5, -0.4, -0.3}, {-3, -1, 3}, -0.375},
        {"falling scan", {-0.3, -0.4, -0.5}, {3, 1, -3}, -0.425},
        {"a zero current", {-0.5, -0.4, -0.3}, {-3, 0, 3}, -0.4},
        {"noise: the change with the smallest currents", {-0.5, -0.4, -0.3, -0.2, -0.1},
            {-5, 4, -0.1, 0.1, 5}, -0.25},
        {"never changes sign", {-0.5, -0.4, -0.3}, {1, 2, 3}, std::nullopt},
        {"all zero", {-0.5, -0.4, -0.3}, {0, 0, 0}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto ecorr = FindEcorr({row.e, row.i});
        ASSERT_EQ(ecorr.has_value(), row.ecorr.has_value());
        if (ecorr) {
            EXPECT_NEAR(*ecorr, *row.ecorr, 1e-12);
        }
    }
}

// A passive anodic branch: a cathodic Tafel branch and a current that stays
// within a decade above Ecorr.
AnalysisOptions MethodOptions(PolarizationMethod method)
{
    AnalysisOptions options;
    options.method = method;
    return options;
}

AnalysisOptions WindowOptions(PotentialWindow window)
{
    AnalysisOptions options;
    options.window = window;
    return options;
}

CurveBranch PassiveCurve(double passiveDensity)
{
    CurveBranch branch;
    for (int k = 0; k <= 700; ++k) {
        const double e = -0.75 + k * 0.001;
        const double eta = e + 0.45;
        const double anodic = std::min(10e-6 * std::pow(10.0, eta / 0.06), passiveDensity);
        branch.potential.push_back(e);
        branch.density.push_back(anodic - 10e-6 * std::pow(10.0, -eta / 0.12));
    }
    return branch;
}

TEST(PolarizationAnalysis, PassiveAnodicBranchGivesACathodicOnlyResult)
{
    const PolarizationMethod methods[]
        = {PolarizationMethod::ButlerVolmer, PolarizationMethod::Tafel, PolarizationMethod::Mixed};
    for (const PolarizationMethod method : methods) {
        SCOPED_TRACE(std::string(MethodWord(method)));
        AnalysisOptions options;
        options.method = method;
        const PolarizationAnalysis analysis = AnalyseBranch(PassiveCurve(30e-6), options);
        ASSERT_TRUE(analysis.result) << analysis.error;
        const PolarizationResult& r = *analysis.result;
        EXPECT_TRUE(r.passive);
        EXPECT_FALSE(r.betaA);
        EXPECT_FALSE(r.b);
        ASSERT_TRUE(r.betaC);
        EXPECT_NEAR(r.betaC->value, 0.120, 0.006);
        EXPECT_NEAR(r.icorr.value, 10e-6, 1.5e-6);
        ASSERT_FALSE(r.warnings.empty());
        EXPECT_NE(r.warnings.front().find("passive"), std::string::npos);
    }
    EXPECT_FALSE(AnodicBranchIsPassive(MakeActivationCurve({}), -0.45));
}

TEST(PolarizationAnalysis, WarningsBesideTheFigures)
{
    const struct
    {
        const char* name;
        SyntheticCurve curve;
        AnalysisOptions options;
        const char* warning;
    } rows[] = {
        {"fewer than 10 points", {.step = 0.025}, {}, "fewer than 10"},
        {"no cathodic decade for Tafel", {.span = 0.15}, MethodOptions(PolarizationMethod::Tafel),
            "no cathodic Tafel region"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PolarizationAnalysis analysis
            = AnalyseBranch(MakeActivationCurve(row.curve), row.options);
        ASSERT_TRUE(analysis.result) << analysis.error;
        bool found = false;
        for (const std::string& warning : analysis.result->warnings)
            found = found || warning.find(row.warning) != std::string::npos;
        EXPECT_TRUE(found);
    }
}

TEST(PolarizationAnalysis, RefusesCurvesWithoutAResult)
{
    const struct
    {
        const char* name;
        CurveBranch branch;
        AnalysisOptions options;
        const char* error;
    } rows[] = {
        {"two points", {{-0.5, -0.4}, {-1, 1}}, {}, "fewer than 3 points"},
        {"never changes sign", {{-0.5, -0.4, -0.3, -0.2}, {1, 2, 3, 4}}, {}, "never changes sign"},
        {"all zero currents", {{-0.5, -0.4, -0.3, -0.2}, {0, 0, 0, 0}}, {}, "never changes sign"},
        {"window too narrow", MakeActivationCurve({}), WindowOptions({-0.001, 0.001}),
            "points in the fit window"},
        {"lpr without points", MakeActivationCurve({.step = 0.05}),
            MethodOptions(PolarizationMethod::Lpr), "fewer than 3 points"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PolarizationAnalysis analysis = AnalyseBranch(row.branch, row.options);
        EXPECT_FALSE(analysis.result);
        EXPECT_NE(analysis.error.find(row.error), std::string::npos) << analysis.error;
        EXPECT_EQ(analysis.error.find('\n'), std::string::npos);
    }
}

TEST(PolarizationAnalysis, LinearPolarizationWithTypedB)
{
    AnalysisOptions options;
    options.method = PolarizationMethod::Lpr;
    options.b = 0.01737;
    const PolarizationAnalysis analysis = AnalyseBranch(MakeActivationCurve({.noise = 0}), options);
    ASSERT_TRUE(analysis.result) << analysis.error;
    // Within +-10 mV the curve bends a little: Rp by the straight line is within
    // 2 % of B / icorr = 1737 ohm cm^2.
    EXPECT_NEAR(*analysis.result->rp, 1737, 1737 * 0.02);
    EXPECT_EQ(analysis.result->points, 21);
    EXPECT_NEAR(analysis.result->icorr.value, 10e-6, 10e-6 * 0.02);
}

TEST(PolarizationAnalysis, OhmicDropIsTakenOffThePotential)
{
    // The measured potential carries I * Ru; taking it off gives the curve back.
    const CurveBranch clean = MakeActivationCurve({.noise = 0});
    PolarizationCurve measured;
    const double ru = 500; // ohm
    const double area = 2;
    for (std::size_t k = 0; k < clean.potential.size(); ++k) {
        measured.potential.push_back(clean.potential[k] + clean.density[k] * area * ru);
        measured.current.push_back(clean.density[k] * area);
    }
    const PolarizationAnalysis raw = AnalyseBranch(SplitAtApex(measured, area).forward, {});
    const PolarizationAnalysis compensated
        = AnalyseBranch(SplitAtApex(measured, area, ru).forward, {});
    ASSERT_TRUE(raw.result && compensated.result);
    EXPECT_NEAR(compensated.result->icorr.value, 10e-6, 1e-10);
    EXPECT_GT(std::abs(raw.result->icorr.value - 10e-6), 1e-7);
}

} // namespace
} // namespace corrolab
