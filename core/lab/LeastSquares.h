#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace velmora {

// Nonlinear least squares for a handful of parameters (Levenberg-Marquardt), in plain C++ so that
// every front end finds the same minimum from the same data, to the last digit, on every machine.

// The model at `parameters`: the residual of each of the n observations (model minus observed) and
// the Jacobian, row i holding the derivatives of residual i, parameter after parameter. False
// where the model is not defined (a denominator of 0, say): the search steps back.
using ResidualModel =
    std::function<bool(const std::vector<double>& parameters, std::vector<double>& residuals,
                       std::vector<std::vector<double>>& jacobian)>;

struct LeastSquaresResult
{
    bool converged = false;
    std::vector<double> parameters;
    double sumOfSquares = 0.0; // of the residuals at the minimum
    // (J^T J)^-1 at the minimum, row by row; multiplied by sumOfSquares / (n - p) it is the
    // parameters' covariance. Empty when J^T J cannot be inverted.
    std::vector<std::vector<double>> inverseNormal;
    int iterations = 0;
};

// Minimises the sum of the squared residuals of `observations` residuals from `start`.
LeastSquaresResult fitLeastSquares(std::size_t observations, const std::vector<double>& start,
                                   const ResidualModel& model);

// The covariance of the parameters of a converged fit, the residual variance scaled: empty when the
// fit has no degree of freedom left or its normal matrix is singular.
std::vector<std::vector<double>> parameterCovariance(const LeastSquaresResult& fit, std::size_t observations);

} // namespace velmora
