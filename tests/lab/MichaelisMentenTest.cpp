#include "lab/MichaelisMenten.h"

#include "lab/GslReference.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

const double pattern[] = {0.6, -1.0, 0.2, 0.9, -0.4, -0.7, 1.0, -0.1, 0.35, -0.55, 0.8};

// Rates v = vmax S / (km (1 + I / ki) + S) at S = 0, 10, ..., 200, each `replicates` times, scaled
// by a fixed pattern of relative errors.
std::vector<InhibitedRatePoint> inhibitedRates(double vmax, double km, double ki, double inhibitor,
                                               double noise, int replicates = 1, int shift = 0)
{
    std::vector<InhibitedRatePoint> points;
    int i = shift;
    for (int s = 0; s <= 200; s += 10) {
        for (int r = 0; r < replicates; ++r, ++i) {
            const double exact = vmax * s / (km * (1.0 + inhibitor / ki) + s);
            points.push_back({static_cast<double>(s), inhibitor, exact * (1.0 + noise * pattern[i % 11])});
        }
    }
    return points;
}

std::vector<RatePoint> rates(double vmax, double km, double noise, int replicates = 1, int shift = 0)
{
    std::vector<RatePoint> points;
    for (const InhibitedRatePoint& p : inhibitedRates(vmax, km, 1.0, 0.0, noise, replicates, shift)) {
        points.push_back({p.substrate, p.rate});
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
    EXPECT_LT(exact.residualError, 1e-6);
    // The Lineweaver-Burk line is the fit's: 1/v = (km / vmax) / S + 1 / vmax.
    ASSERT_TRUE(exact.lineweaverBurk.hasLine);
    EXPECT_NEAR(exact.lineweaverBurk.slope, 40.0 / 12.0, 1e-6);
    EXPECT_NEAR(exact.lineweaverBurk.intercept, 1.0 / 12.0, 1e-9);
    EXPECT_EQ(exact.lineweaverBurk.reciprocals.size(), 20u);
    EXPECT_EQ(exact.lineweaverBurk.zeroAmountsLeftOut, 1u) << "S = 0 has no reciprocal";

    const MichaelisMentenFit noisy = fitMichaelisMenten(rates(12.0, 40.0, 0.05, 3));
    ASSERT_EQ(noisy.verdict, FitVerdict::fitted);
    EXPECT_EQ(noisy.runs, 63u);
    EXPECT_GT(noisy.vmaxError, 0.0);
    EXPECT_GT(noisy.kmError, 0.0);
    EXPECT_GT(noisy.residualError, 0.0);
    EXPECT_NEAR(noisy.vmax, 12.0, 3.0 * noisy.vmaxError + 0.05);
    EXPECT_NEAR(noisy.km, 40.0, 3.0 * noisy.kmError + 0.5);
    // The line follows the fit, not a regression on the reciprocals.
    EXPECT_DOUBLE_EQ(noisy.lineweaverBurk.intercept, 1.0 / noisy.vmax);
    EXPECT_DOUBLE_EQ(noisy.lineweaverBurk.slope, noisy.km / noisy.vmax);
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
        EXPECT_EQ(fit.lineweaverBurk.hasLine, c.verdict == FitVerdict::fitted) << c.what;
    }
    EXPECT_EQ(fitMichaelisMenten(withZeros).lineweaverBurk.zeroRatesLeftOut, 1u);
}

// GSL's trust-region Levenberg-Marquardt, which the program used before, finds the same minimum
// and the same standard errors.
TEST(MichaelisMenten, AgreesWithGsl)
{
    struct Case
    {
        double vmax;
        double km;
        double noise;
        int replicates;
    };
    for (const Case& c : {Case{12.0, 40.0, 0.05, 3}, Case{18.0, 280.0, 0.1, 10}, Case{5.0, 90.0, 0.2, 5},
                          Case{30.0, 15.0, 0.02, 1}}) {
        const std::vector<RatePoint> runs = rates(c.vmax, c.km, c.noise, c.replicates, 3);
        const MichaelisMentenFit ours = fitMichaelisMenten(runs);
        std::vector<double> s;
        std::vector<double> v;
        for (const RatePoint& p : runs) {
            s.push_back(p.substrate);
            v.push_back(p.rate);
        }
        const GslFit gsl = gslMichaelisMenten(s, v, {ours.vmax * 1.3, ours.km * 0.7});
        ASSERT_TRUE(gsl.converged) << c.km;
        EXPECT_NEAR(ours.vmax, gsl.parameters[0], 1e-7 * gsl.parameters[0]) << c.km;
        EXPECT_NEAR(ours.km, gsl.parameters[1], 1e-7 * gsl.parameters[1]) << c.km;
        EXPECT_NEAR(ours.vmaxError, gsl.errors[0], 1e-5 * gsl.errors[0]) << c.km;
        EXPECT_NEAR(ours.kmError, gsl.errors[1], 1e-5 * gsl.errors[1]) << c.km;
        EXPECT_NEAR(ours.residualError, gsl.residualError, 1e-7 * gsl.residualError) << c.km;
    }
}

std::vector<InhibitedRatePoint> twoAmounts(double vmax, double km, double ki, double noise, int replicates)
{
    std::vector<InhibitedRatePoint> runs = inhibitedRates(vmax, km, ki, 0.0, noise, replicates);
    for (const InhibitedRatePoint& p : inhibitedRates(vmax, km, ki, 50.0, noise, replicates, 5)) {
        runs.push_back(p);
    }
    return runs;
}

TEST(CompetitiveFit, FindsKnownKiAndAgreesWithGsl)
{
    const CompetitiveFit exact = fitCompetitive(twoAmounts(15.0, 60.0, 25.0, 0.0, 1));
    ASSERT_EQ(exact.verdict, FitVerdict::fitted);
    EXPECT_NEAR(exact.vmax, 15.0, 1e-6);
    EXPECT_NEAR(exact.km, 60.0, 1e-5);
    EXPECT_NEAR(exact.ki, 25.0, 1e-5);
    EXPECT_NEAR(exact.apparentKm(50.0), 180.0, 1e-4);
    EXPECT_LT(exact.residualError, 1e-6);

    const std::vector<InhibitedRatePoint> runs = twoAmounts(15.0, 60.0, 25.0, 0.08, 10);
    const CompetitiveFit noisy = fitCompetitive(runs);
    ASSERT_EQ(noisy.verdict, FitVerdict::fitted);
    EXPECT_NEAR(noisy.ki, 25.0, 3.0 * noisy.kiError);
    ASSERT_TRUE(noisy.separateResidualError);
    // One Vmax for both amounts fits as well as two, within a few per cent.
    EXPECT_NEAR(noisy.residualError, *noisy.separateResidualError, 0.05 * noisy.residualError);

    std::vector<double> s;
    std::vector<double> i;
    std::vector<double> v;
    for (const InhibitedRatePoint& p : runs) {
        s.push_back(p.substrate);
        i.push_back(p.inhibitor);
        v.push_back(p.rate);
    }
    const GslFit gsl = gslCompetitive(s, i, v, {20.0, 40.0, 1.0});
    ASSERT_TRUE(gsl.converged);
    EXPECT_NEAR(noisy.vmax, gsl.parameters[0], 1e-7 * gsl.parameters[0]);
    EXPECT_NEAR(noisy.km, gsl.parameters[1], 1e-7 * gsl.parameters[1]);
    EXPECT_NEAR(noisy.km / noisy.ki, gsl.parameters[2], 1e-7 * gsl.parameters[2]);
    EXPECT_NEAR(noisy.vmaxError, gsl.errors[0], 1e-5 * gsl.errors[0]);
    EXPECT_NEAR(noisy.kmError, gsl.errors[1], 1e-5 * gsl.errors[1]);
    EXPECT_NEAR(noisy.residualError, gsl.residualError, 1e-7 * gsl.residualError);
}

TEST(CompetitiveFit, SaysWhenThereIsNoCompetition)
{
    struct Case
    {
        const char* what;
        std::vector<InhibitedRatePoint> runs;
        FitVerdict verdict;
    };
    // The inhibitor changes nothing: Km does not rise, Ki is not pinned down.
    std::vector<InhibitedRatePoint> unchanged = inhibitedRates(15.0, 60.0, 1.0, 0.0, 0.05, 3);
    for (InhibitedRatePoint p : inhibitedRates(15.0, 60.0, 1.0, 0.0, 0.05, 3, 4)) {
        p.inhibitor = 50.0;
        unchanged.push_back(p);
    }
    const std::vector<Case> cases = {
        {"one amount of inhibitor", inhibitedRates(15.0, 60.0, 25.0, 0.0, 0.0), FitVerdict::tooFewPoints},
        {"no competition", unchanged, FitVerdict::noInhibition},
        {"no reaction", {{10, 0, 0}, {20, 0, 0}, {10, 50, 0}, {20, 50, 0}}, FitVerdict::noReaction},
    };
    for (const Case& c : cases) {
        const CompetitiveFit fit = fitCompetitive(c.runs);
        EXPECT_EQ(static_cast<int>(fit.verdict), static_cast<int>(c.verdict)) << c.what;
        EXPECT_TRUE(std::isfinite(fit.ki) && std::isfinite(fit.kiError)) << c.what;
    }
}

} // namespace
} // namespace velmora
