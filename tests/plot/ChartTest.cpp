#include "plot/ActivityChart.h"
#include "plot/ChartRenderer.h"
#include "plot/FrenchText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

TEST(FrenchText, NumbersAsFrenchReadersWriteThem)
{
    struct Case
    {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {4.8, 1, "4,8"},
        {-10.0, 0, "\u221210"},
        {-0.04, 1, "0,0"},
        {0.25, 2, "0,25"},
        {2400.0, 0, "2400"},
        {12000.0, 0, "12\u202F000"},
        {-1234567.5, 1, "\u22121\u202F234\u202F567,5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(french::number(c.value, c.decimals), c.text) << c.value;
    }
    EXPECT_EQ(french::withUnit(37, 0, "°C"), "37\u00A0°C");
    EXPECT_EQ(french::decimalsForError(0.34), 2);
    EXPECT_EQ(french::decimalsForError(29.0), 0);
}

TEST(ChartRenderer, DrawsIntoMemoryAndEveryFileFormat)
{
    Chart chart;
    chart.title = "Hydrolyse du lactose";
    chart.xTitle = "Température (°C)";
    chart.yTitle = "Vitesse initiale (molécules/s)";
    chart.series.push_back({"sans thiolactose", {{-10, 0, 0}, {40, 5.4, 0.3}, {90, 0, 0}}, {}, {"Km = 1"}});
    chart.inset = std::make_shared<const Chart>(chart);

    const ChartImage image = renderChartImage(chart, 320, 200);
    ASSERT_EQ(image.width, 320);
    ASSERT_EQ(image.height, 200);
    ASSERT_GE(image.stride, 320 * 4);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.stride) * 200u);
    std::size_t inked = 0;
    for (std::size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
        inked += image.pixels[i] != 0xFF || image.pixels[i + 1] != 0xFF || image.pixels[i + 2] != 0xFF;
    }
    EXPECT_GT(inked, 2000u) << "axes, text and the curve are drawn";

    struct Case
    {
        const char* name;
        const char* signature;
    };
    const Case cases[] = {{"a.PNG", "\x89PNG"}, {"a.svg", "<?xml"}, {"a.pdf", "%PDF"}};
    for (const Case& c : cases) {
        const std::optional<ChartFormat> format = chartFormatFor(c.name);
        ASSERT_TRUE(format.has_value()) << c.name;
        std::ostringstream out;
        ASSERT_TRUE(writeChart(chart, *format, out, 480, 320)) << c.name;
        EXPECT_EQ(out.str().rfind(c.signature, 0), 0u) << c.name;
    }
    EXPECT_FALSE(chartFormatFor("a.jpg").has_value());
    EXPECT_FALSE(chartFormatFor("png").has_value());
}

TEST(ActivityChart, SubstrateSweepShowsTheFitAndLineweaverBurk)
{
    SweepPlan plan;
    plan.base.ph = 8;
    plan.x = steppedAxis(SweepParameter::substrate, 0, 200, 50);
    plan.series = SweepAxis{SweepParameter::other, {0, 50}};
    const SweepResult result = runSweep(plan, {1, nullptr, nullptr});
    const SweepFits fits = sweepFits(result);
    ASSERT_EQ(fits.series.size(), 2u);
    ASSERT_TRUE(fits.competitive.has_value());
    const Chart chart = activityChart(result, Measure::initialRate, fits);
    EXPECT_EQ(chart.xTitle, "Quantité de substrat (molécules)");
    EXPECT_EQ(chart.yTitle, "Vitesse initiale (molécules/s)");
    EXPECT_EQ(chart.subtitle, "37\u00A0°C, pH\u00A08, 20\u00A0enzymes");
    ASSERT_GE(chart.series.size(), 3u);
    EXPECT_EQ(chart.series[0].label, "sans thiolactose");
    EXPECT_EQ(chart.series[1].label, "50\u00A0molécules de thiolactose");
    EXPECT_EQ(chart.series[0].points.size(), 5u);
    EXPECT_FALSE(chart.series[0].notes.empty());
    // The competitive model's results close the legend.
    EXPECT_EQ(chart.series.back().label, "Modèle compétitif (un seul Vmax)");
    EXPECT_TRUE(chart.series.back().dashed);
    EXPECT_NE(chart.inset, nullptr);
}

// Each Lineweaver-Burk line is its fit's, across both axes; the competitive reading's lines meet on
// the 1/v axis.
TEST(ActivityChart, LineweaverBurkLinesComeFromTheFits)
{
    SweepFits fits;
    for (const auto& [vmax, km] : {std::pair{15.0, 80.0}, std::pair{14.0, 200.0}}) {
        MichaelisMentenFit fit;
        fit.verdict = FitVerdict::fitted;
        fit.vmax = vmax;
        fit.km = km;
        fit.lineweaverBurk.hasLine = true;
        fit.lineweaverBurk.reciprocals = {{0.1, 1.0 / (vmax * 10 / (km + 10))},
                                          {0.01, 1.0 / (vmax * 100 / (km + 100))}};
        fit.lineweaverBurk.zeroAmountsLeftOut = 1;
        fits.series.push_back(fit);
    }
    CompetitiveFit competitive;
    competitive.verdict = FitVerdict::fitted;
    competitive.vmax = 14.5;
    competitive.km = 82.0;
    competitive.ki = 35.0;
    fits.competitive = competitive;
    fits.inhibitors = {0.0, 50.0};

    const Chart view = lineweaverBurkChart(fits);
    ASSERT_EQ(view.series.size(), 4u);
    const auto at = [](const ChartSeries& series, double x) {
        const ChartLinePoint& a = series.line.front();
        const ChartLinePoint& b = series.line.back();
        return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    };
    for (std::size_t s = 0; s < 2; ++s) {
        const MichaelisMentenFit& fit = fits.series[s];
        EXPECT_FALSE(view.series[s].dashed);
        EXPECT_DOUBLE_EQ(view.series[s].line.front().x, -1.0 / fit.km);
        EXPECT_DOUBLE_EQ(view.series[s].line.front().y, 0.0);
        EXPECT_DOUBLE_EQ(view.series[s].line.back().x, 0.1) << "to the largest 1/S measured";
        EXPECT_NEAR(at(view.series[s], 0.0), 1.0 / fit.vmax, 1e-12);
        const ChartSeries& reading = view.series[2 + s];
        EXPECT_TRUE(reading.dashed);
        EXPECT_EQ(reading.colour, static_cast<int>(s));
        EXPECT_NEAR(at(reading, 0.0), 1.0 / competitive.vmax, 1e-12) << "they meet on the 1/v axis";
    }
    EXPECT_NEAR(view.series[3].line.front().x, -1.0 / (82.0 * (1 + 50.0 / 35.0)), 1e-12);
    ASSERT_EQ(view.labels.size(), 4u);
    EXPECT_EQ(view.labels[0].text, "\u22121/Km\u00A0=\u00A0\u22120,013");
    EXPECT_EQ(view.labels[1].text, "1/Vmax\u00A0=\u00A00,067");
    EXPECT_TRUE(view.zeroLines);
    EXPECT_EQ(view.footnotes.back(),
              "2\u00A0points laissés de côté, sans inverse (S\u00A0=\u00A00 ou vitesse nulle).");
    const ChartImage drawn = renderChartImage(view, 480, 320);
    EXPECT_EQ(drawn.width, 480);
}

TEST(ActivityChart, WordsOfAnotherLanguageCountAndWriteNumbersTheirWay)
{
    ChartWords english;
    english.pluralFromTwo = false;
    english.decimalMark = ".";
    english.substrateMolecules = {"%1\u00A0substrate molecule", "%1\u00A0substrate molecules"};
    english.vmaxLine = "Vmax = %1 ± %2 molecules/s";
    english.lineweaverBurkTitle = "Lineweaver-Burk plot";
    const ChartWords french;
    struct Case
    {
        const ChartWords& words;
        std::int32_t count;
        const char* text;
    };
    const Case cases[] = {
        {french, 0, "0\u00A0molécule de substrat"},  {french, 1, "1\u00A0molécule de substrat"},
        {french, 2, "2\u00A0molécules de substrat"}, {english, 0, "0\u00A0substrate molecules"},
        {english, 1, "1\u00A0substrate molecule"},   {english, 2, "2\u00A0substrate molecules"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            parameterValueText(SweepParameter::substrate, c.count, Reaction::lactoseHydrolysis, c.words),
            c.text);
    }

    MichaelisMentenFit fit;
    fit.verdict = FitVerdict::fitted;
    fit.vmax = 4.834;
    fit.vmaxError = 0.34;
    fit.residualError = 0.8412;
    EXPECT_EQ(fitLines(fit, english).front(), "Vmax = 4.83 ± 0.34 molecules/s");
    EXPECT_EQ(fitLines(fit).front(), "Vmax\u00A0=\u00A04,83\u00A0±\u00A00,34\u00A0molécules/s");
    EXPECT_EQ(fitLines(fit).back(), "Erreur résiduelle\u202F: 0,84\u00A0molécules/s");
    SweepFits one;
    one.series = {fit};
    const Chart view = lineweaverBurkChart(one, english);
    EXPECT_EQ(view.title, "Lineweaver-Burk plot");
    EXPECT_EQ(view.decimalMark, ".");
}

} // namespace
} // namespace velmora
