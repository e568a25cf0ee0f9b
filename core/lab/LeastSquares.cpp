#include "lab/LeastSquares.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

using Matrix = std::vector<std::vector<double>>;

constexpr int iterationLimit = 500;
// A step smaller than this share of every parameter ends the search.
constexpr double stepTolerance = 1e-10;
// So does a gradient this small beside the sum of squares.
constexpr double gradientTolerance = 1e-10;
constexpr double firstDamping = 1e-3;
constexpr double leastDamping = 1e-12;
constexpr double mostDamping = 1e16;

double squares(const std::vector<double>& residuals)
{
    double sum = 0.0;
    for (const double r : residuals) {
        sum += r * r;
    }
    return sum;
}

// Solves a x = b by Gaussian elimination with partial pivoting; false when a is singular.
bool solve(Matrix a, std::vector<double> b, std::vector<double>& x)
{
    const std::size_t p = b.size();
    for (std::size_t column = 0; column < p; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < p; ++row) {
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) {
                pivot = row;
            }
        }
        if (!(std::fabs(a[pivot][column]) > 0.0)) {
            return false;
        }
        std::swap(a[pivot], a[column]);
        std::swap(b[pivot], b[column]);
        for (std::size_t row = column + 1; row < p; ++row) {
            const double factor = a[row][column] / a[column][column];
            for (std::size_t k = column; k < p; ++k) {
                a[row][k] -= factor * a[column][k];
            }
            b[row] -= factor * b[column];
        }
    }
    x.assign(p, 0.0);
    for (std::size_t row = p; row-- > 0;) {
        double sum = b[row];
        for (std::size_t k = row + 1; k < p; ++k) {
            sum -= a[row][k] * x[k];
        }
        x[row] = sum / a[row][row];
    }
    return std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); });
}

// The inverse, column by column; empty when the matrix is singular.
Matrix inverse(const Matrix& a)
{
    const std::size_t p = a.size();
    Matrix result(p, std::vector<double>(p, 0.0));
    for (std::size_t column = 0; column < p; ++column) {
        std::vector<double> unit(p, 0.0);
        unit[column] = 1.0;
        std::vector<double> x;
        if (!solve(a, unit, x)) {
            return {};
        }
        for (std::size_t row = 0; row < p; ++row) {
            result[row][column] = x[row];
        }
    }
    return result;
}

// J^T J and J^T r.
void normalEquations(const Matrix& jacobian, const std::vector<double>& residuals, Matrix& normal,
                     std::vector<double>& gradient)
{
    const std::size_t p = gradient.size();
    for (std::size_t i = 0; i < p; ++i) {
        gradient[i] = 0.0;
        for (std::size_t j = 0; j < p; ++j) {
            normal[i][j] = 0.0;
        }
    }
    for (std::size_t row = 0; row < residuals.size(); ++row) {
        const std::vector<double>& derivatives = jacobian[row];
        for (std::size_t i = 0; i < p; ++i) {
            gradient[i] += derivatives[i] * residuals[row];
            for (std::size_t j = 0; j < p; ++j) {
                normal[i][j] += derivatives[i] * derivatives[j];
            }
        }
    }
}

bool smallStep(const std::vector<double>& step, const std::vector<double>& parameters)
{
    for (std::size_t i = 0; i < step.size(); ++i) {
        if (std::fabs(step[i]) > stepTolerance * (std::fabs(parameters[i]) + stepTolerance)) {
            return false;
        }
    }
    return true;
}

} // namespace

LeastSquaresResult fitLeastSquares(std::size_t observations, const std::vector<double>& start,
                                   const ResidualModel& model)
{
    const std::size_t p = start.size();
    LeastSquaresResult result;
    result.parameters = start;
    std::vector<double>& x = result.parameters;
    std::vector<double> residuals(observations, 0.0);
    Matrix jacobian(observations, std::vector<double>(p, 0.0));
    if (p == 0 || observations < p || !model(x, residuals, jacobian)) {
        return result;
    }
    double cost = squares(residuals);
    if (!std::isfinite(cost)) {
        return result;
    }

    Matrix normal(p, std::vector<double>(p, 0.0));
    std::vector<double> gradient(p, 0.0);
    std::vector<double> scale(p, 0.0); // Marquardt's: the largest diagonal of J^T J met so far
    std::vector<double> trial(p, 0.0);
    std::vector<double> trialResiduals(observations, 0.0);
    Matrix trialJacobian = jacobian;
    double damping = firstDamping;
    for (; result.iterations < iterationLimit && !result.converged; ++result.iterations) {
        normalEquations(jacobian, residuals, normal, gradient);
        double steepest = 0.0;
        for (std::size_t i = 0; i < p; ++i) {
            scale[i] = std::max(scale[i], normal[i][i]);
            steepest = std::max(steepest, std::fabs(gradient[i]) * std::max(std::fabs(x[i]), 1.0));
        }
        if (steepest <= gradientTolerance * std::max(cost, 1.0)) {
            result.converged = true;
            break;
        }
        // Steps of growing damping until one lowers the sum of squares.
        for (;;) {
            Matrix damped = normal;
            std::vector<double> descent(p);
            for (std::size_t i = 0; i < p; ++i) {
                damped[i][i] += damping * (scale[i] > 0.0 ? scale[i] : 1.0);
                descent[i] = -gradient[i];
            }
            std::vector<double> step;
            const bool solved = solve(damped, descent, step);
            if (solved) {
                for (std::size_t i = 0; i < p; ++i) {
                    trial[i] = x[i] + step[i];
                }
                const bool defined = model(trial, trialResiduals, trialJacobian);
                const double trialCost = defined ? squares(trialResiduals) : cost;
                if (defined && std::isfinite(trialCost) && trialCost < cost) {
                    x.swap(trial);
                    residuals.swap(trialResiduals);
                    jacobian.swap(trialJacobian);
                    cost = trialCost;
                    damping = std::max(damping / 10.0, leastDamping);
                    result.converged = smallStep(step, x);
                    break;
                }
                // No step lowers the sum any more: this is the minimum, to the precision of doubles.
                if (smallStep(step, x)) {
                    result.converged = true;
                    break;
                }
            }
            damping *= 10.0;
            if (damping > mostDamping) {
                return result;
            }
        }
    }
    result.sumOfSquares = cost;
    if (result.converged) {
        normalEquations(jacobian, residuals, normal, gradient);
        result.inverseNormal = inverse(normal);
    }
    return result;
}

std::vector<std::vector<double>> parameterCovariance(const LeastSquaresResult& fit, std::size_t observations)
{
    const std::size_t p = fit.parameters.size();
    if (!fit.converged || fit.inverseNormal.empty() || observations <= p) {
        return {};
    }
    const double variance = fit.sumOfSquares / static_cast<double>(observations - p);
    Matrix covariance = fit.inverseNormal;
    for (std::vector<double>& row : covariance) {
        for (double& value : row) {
            value *= variance;
        }
    }
    return covariance;
}

} // namespace velmora
