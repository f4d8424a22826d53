#include "polarization/least_squares.h"

#include "base/shared_library.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace corrolab {

namespace {

constexpr std::size_t kMaxIterations = 200;
constexpr double kStepTolerance = 1e-10;
constexpr double kGradientTolerance = 1e-12;

// GSL, opened the first time a curve is fitted. Its BLAS calls are left to the
// program's choice of CBLAS, so GSL's own CBLAS is opened first, for all to use.
struct GslFunctions
{
    decltype(&gsl_set_error_handler_off) errorHandlerOff;
    decltype(&gsl_multifit_nlinear_default_parameters) defaultParameters;
    const gsl_multifit_nlinear_trs* levenbergMarquardt;
    const gsl_multifit_nlinear_solver* cholesky;
    const gsl_multifit_nlinear_type* trust;
    decltype(&gsl_multifit_nlinear_alloc) alloc;
    decltype(&gsl_multifit_nlinear_free) free;
    decltype(&gsl_multifit_nlinear_init) init;
    decltype(&gsl_multifit_nlinear_driver) driver;
    decltype(&gsl_multifit_nlinear_position) position;
    decltype(&gsl_multifit_nlinear_residual) residual;
    decltype(&gsl_multifit_nlinear_jac) jacobian;
    decltype(&gsl_multifit_nlinear_covar) covariance;
    decltype(&gsl_blas_ddot) dot;
    decltype(&gsl_matrix_alloc) matrixAlloc;
    decltype(&gsl_matrix_free) matrixFree;
};

const GslFunctions& Gsl()
{
    static const GslFunctions functions = [] {
        SharedLibrary::Open(CORROLAB_SONAME_LIBGSLCBLAS, true);
        const SharedLibrary& gsl = SharedLibrary::Open(CORROLAB_SONAME_LIBGSL);
        // The three step types are objects of the library: pointers to its descriptions.
        const auto object = [&gsl](const char* name) {
            return *static_cast<const void* const*>(gsl.Address(name));
        };
        GslFunctions f {CORROLAB_LIBRARY_FUNCTION(gsl, gsl_set_error_handler_off),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_default_parameters),
            static_cast<const gsl_multifit_nlinear_trs*>(object("gsl_multifit_nlinear_trs_lm")),
            static_cast<const gsl_multifit_nlinear_solver*>(
                object("gsl_multifit_nlinear_solver_cholesky")),
            static_cast<const gsl_multifit_nlinear_type*>(object("gsl_multifit_nlinear_trust")),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_alloc),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_free),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_init),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_driver),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_position),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_residual),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_jac),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_multifit_nlinear_covar),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_blas_ddot),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_matrix_alloc),
            CORROLAB_LIBRARY_FUNCTION(gsl, gsl_matrix_free)};
        // GSL's default handler aborts the program; a failed fit is a result here.
        f.errorHandlerOff();
        return f;
    }();
    return functions;
}

// The problem's functions take plain arrays, and GSL's vectors may be strided:
// its finite-difference Jacobian hands a column of the Jacobian as `f`. The
// parameters and the residuals go through contiguous copies.
std::vector<double> Contiguous(const gsl_vector* v)
{
    std::vector<double> values(v->size);
    for (std::size_t k = 0; k < v->size; ++k)
        values[k] = v->data[k * v->stride];
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
        f->data[k * f->stride] = residuals[k];
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
    void operator()(gsl_multifit_nlinear_workspace* w) const { Gsl().free(w); }
};
struct MatrixFree
{
    void operator()(gsl_matrix* m) const { Gsl().matrixFree(m); }
};

} // namespace

LeastSquaresFit FitLeastSquares(
    const LeastSquaresProblem& problem, const std::vector<double>& start)
{
    LeastSquaresFit fit;
    const GslFunctions* library = nullptr;
    try {
        library = &Gsl();
    } catch (const std::runtime_error& error) {
        fit.unavailable = std::string("no fit can be made: ") + error.what();
        return fit;
    }
    const GslFunctions& gsl = *library;
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
    gsl_multifit_nlinear_parameters settings = gsl.defaultParameters();
    settings.trs = gsl.levenbergMarquardt;
    // The normal equations by Cholesky: a few parameters over thousands of points,
    // where the QR factorisation spends most of the fit on Householder steps.
    settings.solver = gsl.cholesky;
    const std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> work(
        gsl.alloc(gsl.trust, &settings, n, p));
    if (!work)
        return fit;
    std::vector<double> x0 = start;
    gsl_vector x {p, 1, x0.data(), nullptr, 0};
    if (gsl.init(&x, &fdf, work.get()) != GSL_SUCCESS)
        return fit;
    int info = 0;
    const int status = gsl.driver(kMaxIterations, kStepTolerance, kGradientTolerance, 0.0, nullptr,
        nullptr, &info, work.get());
    const gsl_vector* position = gsl.position(work.get());
    const gsl_vector* residual = gsl.residual(work.get());
    fit.parameters.assign(position->data, position->data + p);
    gsl.dot(residual, residual, &fit.sumOfSquares);
    fit.converged = status == GSL_SUCCESS;
    const std::unique_ptr<gsl_matrix, MatrixFree> covariance(gsl.matrixAlloc(p, p));
    gsl.covariance(gsl.jacobian(work.get()), 0.0, covariance.get());
    const double variance = n > p ? fit.sumOfSquares / static_cast<double>(n - p) : 0;
    fit.errors.resize(p);
    fit.finite = std::isfinite(fit.sumOfSquares);
    for (std::size_t k = 0; k < p; ++k) {
        fit.errors[k] = std::sqrt(covariance->data[k * covariance->tda + k] * variance);
        fit.finite = fit.finite && std::isfinite(fit.parameters[k]) && std::isfinite(fit.errors[k]);
    }
    return fit;
}

} // namespace corrolab
