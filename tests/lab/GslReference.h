#pragma once

#include <vector>

namespace velmora {

// The same fits made by GSL's trust-region Levenberg-Marquardt, as a reference for the program's
// own least squares.
struct GslFit
{
    bool converged = false;
    std::vector<double> parameters;
    std::vector<double> errors; // standard errors, scaled by the residual variance
    double residualError = 0.0;
};

// v = p0 S / (p1 + S).
GslFit gslMichaelisMenten(const std::vector<double>& s, const std::vector<double>& v,
                          const std::vector<double>& start);
// v = p0 S / (p1 + p2 I + S): Vmax, Km and Km / Ki.
GslFit gslCompetitive(const std::vector<double>& s, const std::vector<double>& i,
                      const std::vector<double>& v, const std::vector<double>& start);

} // namespace velmora
