#pragma once

// Polarization curves made for the tests and the benchmarks: the activation
// curve of the check values and the files potentiostats would write of it.
#include "polarization/analysis.h"

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace corrolab::testing {

struct SyntheticCurve
{
    double icorr = 10e-6; // A/cm^2
    double betaA = 0.060; // V/decade
    double betaC = 0.120;
    double ecorr = -0.450; // V
    double span = 0.250; // V either side of Ecorr
    double step = 0.001; // V
    double noise = 0.01; // relative, Gaussian
    double area = 1; // cm^2: the file's currents are densities times this
    unsigned seed = 27;
};

// The curve from Ecorr - span to Ecorr + span as (E, I): potentials in V,
// currents in A.
inline CurveBranch MakeActivationCurve(const SyntheticCurve& c)
{
    CurveBranch curve;
    std::mt19937 random(c.seed);
    std::normal_distribution<double> gauss(0, 1);
    const int steps = static_cast<int>(std::lround(2 * c.span / c.step));
    for (int k = 0; k <= steps; ++k) {
        const double e = c.ecorr - c.span + k * c.step;
        const double i = ButlerVolmerDensity(e, c.ecorr, c.icorr, c.betaA, c.betaC);
        curve.potential.push_back(e);
        curve.density.push_back(i * (1 + c.noise * gauss(random)) * c.area);
    }
    return curve;
}

inline std::string Number(double value)
{
    char text[40];
    const auto end
        = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 9).ptr;
    return std::string(text, end);
}

// A Gamry .DTA of the curve with the header's area, density and equivalent weight.
inline std::string GamryText(const CurveBranch& curve, double area, double density, double ew)
{
    std::string text
        = "EXPLAIN\nTAG\tPOTENTIODYNAMIC\nTITLE\tLABEL\tPotentiodynamic Scan\tTest &Identifier\n"
          "DATE\tLABEL\t1/2/2024\tDate\n";
    text += "AREA\tQUANT\t" + Number(area) + "\tSample &Area (cm^2)\n";
    text += "DENSITY\tQUANT\t" + Number(density) + "\tDensity (gm/cm^3)\n";
    text += "EQUIV\tQUANT\t" + Number(ew) + "\tEquiv. &Wt\n";
    text += "OCVCURVE\tTABLE\t2\n\tPt\tT\tVf\tVm\n\t#\ts\tV vs. Ref.\tV\n\t0\t1\t-0.45\t-0.45\n";
    text += "CURVE\tTABLE\t" + std::to_string(curve.potential.size()) + "\n";
    text += "\tPt\tT\tVf\tIm\tVu\tSig\tAch\tIERange\tOver\n\t#\ts\tV vs. "
            "Ref.\tA\tV\tV\tV\t#\tbits\n";
    for (std::size_t k = 0; k < curve.potential.size(); ++k)
        text += "\t" + std::to_string(k) + "\t" + Number(0.5 * static_cast<double>(k)) + "\t"
            + Number(curve.potential[k]) + "\t" + Number(curve.density[k]) + "\t0\t"
            + Number(curve.potential[k]) + "\t0\t5\t...........\n";
    text += "EXPERIMENTABORTED\tTOGGLE\tF\tExperiment Aborted\n";
    return text;
}

} // namespace corrolab::testing
