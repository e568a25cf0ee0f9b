// The program's fits of runs read from standard input, for the test that checks them against
// SciPy. Each input line is "S I v" (substrate, inhibitor, rate); the output gives, one per line,
// "competitive <verdict> vmax vmaxError km kmError ki kiError residualError" and for each amount
// of inhibitor "separate I <verdict> vmax vmaxError km kmError residualError". With "--sweep",
// the runs come from the model instead (lactose hydrolysis at 37 degrees C, pH 8, substrate 0..200
// by 20, without and with 50 thiolactose, 5 experiments per point) and are written first as
// "run S I v".

#include "lab/MichaelisMenten.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>

using namespace velmora;

int main(int argc, char** argv)
{
    std::vector<InhibitedRatePoint> runs;
    if (argc > 1 && std::strcmp(argv[1], "--sweep") == 0) {
        SweepPlan plan;
        plan.base.ph = 8;
        plan.x = steppedAxis(SweepParameter::substrate, 0, 200, 20);
        plan.series = SweepAxis{SweepParameter::other, {0, 50}};
        plan.replicates = 5;
        const SweepResult result = runSweep(plan);
        for (const SweepPoint& point : result.points) {
            for (const RunMeasures& run : point.runs) {
                runs.push_back(
                    {double(point.xValue), double(point.seriesValue), run.initialRate.value_or(0.0)});
                std::printf("run %d %d %.17g\n", point.xValue, point.seriesValue, runs.back().rate);
            }
        }
    } else {
        InhibitedRatePoint p;
        while (std::cin >> p.substrate >> p.inhibitor >> p.rate) {
            runs.push_back(p);
        }
    }
    const CompetitiveFit joint = fitCompetitive(runs);
    std::printf("competitive %d %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", static_cast<int>(joint.verdict),
                joint.vmax, joint.vmaxError, joint.km, joint.kmError, joint.ki, joint.kiError,
                joint.residualError);
    std::map<double, std::vector<RatePoint>> byInhibitor;
    for (const InhibitedRatePoint& run : runs) {
        byInhibitor[run.inhibitor].push_back({run.substrate, run.rate});
    }
    for (const auto& [inhibitor, points] : byInhibitor) {
        const MichaelisMentenFit fit = fitMichaelisMenten(points);
        std::printf("separate %g %d %.17g %.17g %.17g %.17g %.17g\n", inhibitor,
                    static_cast<int>(fit.verdict), fit.vmax, fit.vmaxError, fit.km, fit.kmError,
                    fit.residualError);
    }
    return 0;
}
