#include "lab/GslReference.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <cmath>

namespace velmora {

namespace {

struct Data
{
    const std::vector<double>* s;
    const std::vector<double>* i; // null for Michaelis-Menten
    const std::vector<double>* v;
};

double denominator(const Data& d, const gsl_vector* p, std::size_t k)
{
    const double inhibitor = d.i ? gsl_vector_get(p, 2) * (*d.i)[k] : 0.0;
    return gsl_vector_get(p, 1) + inhibitor + (*d.s)[k];
}

int residuals(const gsl_vector* p, void* data, gsl_vector* f)
{
    const Data& d = *static_cast<const Data*>(data);
    for (std::size_t k = 0; k < d.s->size(); ++k) {
        gsl_vector_set(f, k, gsl_vector_get(p, 0) * (*d.s)[k] / denominator(d, p, k) - (*d.v)[k]);
    }
    return GSL_SUCCESS;
}

int jacobian(const gsl_vector* p, void* data, gsl_matrix* j)
{
    const Data& d = *static_cast<const Data*>(data);
    for (std::size_t k = 0; k < d.s->size(); ++k) {
        const double q = denominator(d, p, k);
        const double rate = gsl_vector_get(p, 0) * (*d.s)[k] / q;
        gsl_matrix_set(j, k, 0, (*d.s)[k] / q);
        gsl_matrix_set(j, k, 1, -rate / q);
        if (d.i) {
            gsl_matrix_set(j, k, 2, -rate * (*d.i)[k] / q);
        }
    }
    return GSL_SUCCESS;
}

GslFit fit(const Data& data, const std::vector<double>& start)
{
    gsl_set_error_handler_off();
    const std::size_t n = data.s->size();
    const std::size_t p = start.size();
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residuals;
    fdf.df = jacobian;
    fdf.n = n;
    fdf.p = p;
    fdf.params = const_cast<Data*>(&data);
    const gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    gsl_multifit_nlinear_workspace* work =
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, p);
    std::vector<double> x = start;
    gsl_vector_view view = gsl_vector_view_array(x.data(), p);
    int info = 0;
    GslFit result;
    result.converged =
        gsl_multifit_nlinear_init(&view.vector, &fdf, work) == GSL_SUCCESS &&
        gsl_multifit_nlinear_driver(500, 1e-12, 1e-12, 1e-12, nullptr, nullptr, &info, work) == GSL_SUCCESS;
    gsl_matrix* covariance = gsl_matrix_alloc(p, p);
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(work), 0.0, covariance);
    double squares = 0.0;
    gsl_blas_ddot(gsl_multifit_nlinear_residual(work), gsl_multifit_nlinear_residual(work), &squares);
    const double variance = squares / static_cast<double>(n - p);
    for (std::size_t k = 0; k < p; ++k) {
        result.parameters.push_back(gsl_vector_get(gsl_multifit_nlinear_position(work), k));
        result.errors.push_back(std::sqrt(gsl_matrix_get(covariance, k, k) * variance));
    }
    result.residualError = std::sqrt(variance);
    gsl_matrix_free(covariance);
    gsl_multifit_nlinear_free(work);
    return result;
}

} // namespace

GslFit gslMichaelisMenten(const std::vector<double>& s, const std::vector<double>& v,
                          const std::vector<double>& start)
{
    return fit({&s, nullptr, &v}, start);
}

GslFit gslCompetitive(const std::vector<double>& s, const std::vector<double>& i,
                      const std::vector<double>& v, const std::vector<double>& start)
{
    return fit({&s, &i, &v}, start);
}

} // namespace velmora
