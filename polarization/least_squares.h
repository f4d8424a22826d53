#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace corrolab {

// A nonlinear least-squares problem: `residuals` writes the n residuals for the
// p parameters; `jacobian`, when given, the n x p derivatives row by row (else
// GSL takes finite differences).
struct LeastSquaresProblem
{
    std::size_t points = 0;
    std::size_t parameters = 0;
    std::function<void(const double* parameters, double* residuals)> residuals;
    std::function<void(const double* parameters, double* jacobian)> jacobian;
};

struct LeastSquaresFit
{
    std::vector<double> parameters;
    std::vector<double> errors; // standard errors: sqrt(diag((J'J)^-1) * SS / (n - p))
    double sumOfSquares = 0;
    bool converged = false;
    bool finite = false; // parameters and errors are numbers
    std::string unavailable; // why no fit was made at all (GSL could not be opened)
};

// Levenberg-Marquardt (GSL's gsl_multifit_nlinear with the trust-region LM step)
// from `start`.
LeastSquaresFit FitLeastSquares(
    const LeastSquaresProblem& problem, const std::vector<double>& start);

} // namespace corrolab
