#include "polarization/least_squares.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <cmath>
#include <memory>
#include <vector>

namespace corrolab {

namespace {

constexpr std::size_t kMaxIterations = 200;
constexpr double kStepTolerance = 1e-10;
constexpr double kGradientTolerance = 1e-12;

// The problem's functions take plain arrays, and GSL's vectors may be strided:
// its finite-difference Jacobian hands a column of the Jacobian as `f`. The
// parameters and the residuals go through contiguous copies.
std::vector<double> Contiguous(const gsl_vector* v)
{
    std::vector<double> values(v->size);
    for (std::size_t k = 0; k < v->size; ++k)
        values[k] = gsl_vector_get(v, k);
    return values;
}

int Residuals(const gsl_vector* x, void* data, gsl_vector* f)
{
    const auto& problem = *static_cast<const LeastSquaresProblem*>(data);
    std::vector<double> residuals(problem.points);
    problem.residuals(Contiguous(x).data(), residuals.data());
    for (std::size_t k = 0; k < problem.points; ++k) {
        if (!std::isfinite(residuals[k]))
            return GSL_EDOM;
        gsl_vector_set(f, k, residuals[k]);
    }
    return GSL_SUCCESS;
}

// The Jacobian is the workspace's own n x p matrix, whose rows lie one after another.
int Jacobian(const gsl_vector* x, void* data, gsl_matrix* j)
{
    const auto& problem = *static_cast<const LeastSquaresProblem*>(data);
    problem.jacobian(Contiguous(x).data(), j->data);
    return GSL_SUCCESS;
}

struct WorkspaceFree
{
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct MatrixFree
{
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

} // namespace

LeastSquaresFit FitLeastSquares(
    const LeastSquaresProblem& problem, const std::vector<double>& start)
{
    // GSL's default handler aborts the program; a failed fit is a result here.
    static gsl_error_handler_t* const previous = gsl_set_error_handler_off();
    (void)previous;
    LeastSquaresFit fit;
    const std::size_t n = problem.points;
    const std::size_t p = problem.parameters;
    if (n < p || p == 0 || start.size() != p)
        return fit;
    gsl_multifit_nlinear_fdf fdf {};
    fdf.f = Residuals;
    fdf.df = problem.jacobian ? Jacobian : nullptr;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = const_cast<LeastSquaresProblem*>(&problem);
    gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    settings.trs = gsl_multifit_nlinear_trs_lm;
    // The normal equations by Cholesky: a few parameters over thousands of points,
    // where the QR factorisation spends most of the fit on Householder steps.
    settings.solver = gsl_multifit_nlinear_solver_cholesky;
    const std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> work(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, p));
    if (!work)
        return fit;
    std::vector<double> x0 = start;
    gsl_vector_view x = gsl_vector_view_array(x0.data(), p);
    if (gsl_multifit_nlinear_init(&x.vector, &fdf, work.get()) != GSL_SUCCESS)
        return fit;
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(kMaxIterations, kStepTolerance,
        kGradientTolerance, 0.0, nullptr, nullptr, &info, work.get());
    const gsl_vector* position = gsl_multifit_nlinear_position(work.get());
    const gsl_vector* residual = gsl_multifit_nlinear_residual(work.get());
    fit.parameters.assign(position->data, position->data + p);
    gsl_blas_ddot(residual, residual, &fit.sumOfSquares);
    fit.converged = status == GSL_SUCCESS;
    const std::unique_ptr<gsl_matrix, MatrixFree> covariance(gsl_matrix_alloc(p, p));
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(work.get()), 0.0, covariance.get());
    const double variance = n > p ? fit.sumOfSquares / static_cast<double>(n - p) : 0;
    fit.errors.resize(p);
    fit.finite = std::isfinite(fit.sumOfSquares);
    for (std::size_t k = 0; k < p; ++k) {
        fit.errors[k] = std::sqrt(gsl_matrix_get(covariance.get(), k, k) * variance);
        fit.finite = fit.finite && std::isfinite(fit.parameters[k]) && std::isfinite(fit.errors[k]);
    }
    return fit;
}

} // namespace corrolab
