#include "lab/MichaelisMenten.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

// Rates v = vmax S / (km + S) at S = 0, 10, ..., 200, each `replicates` times, scaled by a fixed
// pattern of relative errors.
std::vector<RatePoint> rates(double vmax, double km, double noise, int replicates = 1)
{
    const double pattern[] = {0.6, -1.0, 0.2, 0.9, -0.4, -0.7, 1.0, -0.1};
    std::vector<RatePoint> points;
    int i = 0;
    for (int s = 0; s <= 200; s += 10) {
        for (int r = 0; r < replicates; ++r, ++i) {
            const double exact = vmax * s / (km + s);
            points.push_back({static_cast<double>(s), exact * (1.0 + noise * pattern[i % 8])});
        }
    }
    return points;
}

TEST(MichaelisMenten, FindsKnownVmaxAndKm)
{
    const MichaelisMentenFit exact = fitMichaelisMenten(rates(12.0, 40.0, 0.0));
    ASSERT_EQ(exact.verdict, FitVerdict::fitted);
    EXPECT_NEAR(exact.vmax, 12.0, 1e-6);
    EXPECT_NEAR(exact.km, 40.0, 1e-5);
    EXPECT_LT(exact.vmaxError, 1e-6);
    // Lineweaver-Burk on exact rates: 1/v = (km / vmax) / S + 1 / vmax.
    ASSERT_TRUE(exact.lineweaverBurk.hasLine);
    EXPECT_NEAR(exact.lineweaverBurk.slope, 40.0 / 12.0, 1e-9);
    EXPECT_NEAR(exact.lineweaverBurk.intercept, 1.0 / 12.0, 1e-9);
    EXPECT_EQ(exact.lineweaverBurk.reciprocals.size(), 20u) << "S = 0 has no reciprocal";

    const MichaelisMentenFit noisy = fitMichaelisMenten(rates(12.0, 40.0, 0.05, 3));
    ASSERT_EQ(noisy.verdict, FitVerdict::fitted);
    EXPECT_EQ(noisy.runs, 63u);
    EXPECT_GT(noisy.vmaxError, 0.0);
    EXPECT_GT(noisy.kmError, 0.0);
    EXPECT_NEAR(noisy.vmax, 12.0, 3.0 * noisy.vmaxError + 0.05);
    EXPECT_NEAR(noisy.km, 40.0, 3.0 * noisy.kmError + 0.5);
}

TEST(MichaelisMenten, SaysWhenAFitMeansNothing)
{
    std::vector<RatePoint> linear;
    std::vector<RatePoint> falling;
    for (int s = 10; s <= 200; s += 10) {
        linear.push_back({static_cast<double>(s), 0.03 * s});
        falling.push_back({static_cast<double>(s), 10.0 - 0.04 * s});
    }
    std::vector<RatePoint> withZeros = rates(5.0, 20.0, 0.0);
    withZeros[1].rate = 0.0; // S = 10
    struct Case
    {
        const char* what;
        std::vector<RatePoint> runs;
        FitVerdict verdict;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, FitVerdict::tooFewPoints},
        {"two amounts", {{0, 0}, {50, 2.0}, {50, 2.2}, {100, 3.0}}, FitVerdict::tooFewPoints},
        {"no reaction", {{10, 0}, {20, 0}, {30, 0}, {40, 0}}, FitVerdict::noReaction},
        {"straight line", linear, FitVerdict::noCurvature},
        {"falling", falling, FitVerdict::notRising},
        {"a zero rate among the others", withZeros, FitVerdict::fitted},
    };
    for (const Case& c : cases) {
        const MichaelisMentenFit fit = fitMichaelisMenten(c.runs);
        EXPECT_EQ(static_cast<int>(fit.verdict), static_cast<int>(c.verdict)) << c.what;
        EXPECT_TRUE(std::isfinite(fit.vmax) && std::isfinite(fit.km)) << c.what;
    }
    EXPECT_EQ(fitMichaelisMenten(withZeros).lineweaverBurk.zeroRatesLeftOut, 1u);
}

} // namespace
} // namespace velmora
