#include "session/Session.h"
#include "batch/BatchRun.h"
#include "lab/SweepTable.h"
#include "session/ActivityRun.h"
#include "session/GraphView.h"
#include "session/RunText.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace velmora {
namespace {

std::string batchCsv(const BatchOptions& options)
{
    std::ostringstream csv;
    const auto world = std::make_unique<World>();
    runBatch(options, *world, &csv);
    return csv.str();
}

void runTicks(Session& session, int ticks)
{
    for (int t = 0; t < ticks; ++t) {
        session.tick();
    }
}

// The first start after the screen opens is velmora2-batch --seed 0 with the same settings, also
// when the panel changes the temperature and pH on the way.
TEST(Session, FirstStartIsTheRunnersSeedZero)
{
    struct Case
    {
        ExperimentSettings screen;
        bool events;
    };
    ExperimentSettings amylose;
    amylose.reaction = Reaction::amyloseHydrolysis;
    amylose.temperature = 45;
    amylose.smallSymbols = true;
    amylose.maxProductsCaption = 20;
    ExperimentSettings inhibited;
    inhibited.other = 50;
    inhibited.ph = 8;
    inhibited.scene = {256, 192};
    for (const Case& c : {Case{{}, false}, Case{amylose, false}, Case{inhibited, true}}) {
        Session session(c.screen);
        ASSERT_EQ(session.recommencer(), PanelFault::none);
        BatchOptions options;
        static_cast<ExperimentSettings&>(options) = c.screen;
        options.ticks = 900;
        if (c.events) {
            runTicks(session, 300);
            session.setPanelValue("valeurtemp", "60");
            session.panelCommand("changetemp");
            runTicks(session, 300);
            session.setPanelValue("valeurph", "5");
            session.panelCommand("changeph");
            runTicks(session, 300);
            options.events = {{300, PanelEvent::Variable::temperature, 60},
                              {600, PanelEvent::Variable::ph, 5}};
        } else {
            runTicks(session, 900);
        }
        EXPECT_EQ(session.timeCourseCsv(), batchCsv(options)) << c.screen.reaction;
    }
}

TEST(Session, PanelAndMenusDriveTheScreenAsInTheWindow)
{
    Session session;
    EXPECT_TRUE(session.screen().sceneBlank);
    EXPECT_NE(session.screen().comment.find("Bienvenue"), std::string::npos);
    EXPECT_EQ(session.screen().reactionName, "Hydrolyse du lactose");
    EXPECT_TRUE(session.screen().thiolactose);

    session.recommencer();
    EXPECT_TRUE(session.screen().sceneTimer && session.screen().tickTimer);
    EXPECT_FALSE(session.screen().sceneBlank);
    runTicks(session, 40);
    EXPECT_EQ(session.screen().elapsedSeconds, 2);
    EXPECT_EQ(session.record().seconds().size(), 2u);

    session.pause();
    EXPECT_FALSE(session.screen().sceneTimer || session.screen().tickTimer);
    EXPECT_NE(session.sceneSentence().find("en pause"), std::string::npos);
    session.pause();
    EXPECT_TRUE(session.screen().tickTimer);

    // A quantity changed: the experiment is suspended and the scene turns white.
    session.setPanelValue("valeursub", "80");
    session.panelCommand("changesub");
    EXPECT_TRUE(session.screen().sceneBlank);
    EXPECT_FALSE(session.screen().tickTimer);
    EXPECT_NE(session.screen().comment.find("suspendue"), std::string::npos);
    EXPECT_EQ(session.currentSettings().substrate, 80);

    // A faulty value is named and changes nothing.
    session.setPanelValue("valeurtemp", "chaud");
    EXPECT_EQ(session.panelCommand("changetemp").fault, PanelFault::valeurtemp);

    session.panelCommand("reacprev");
    EXPECT_EQ(session.world().reactionIndex, Reaction::amyloseHydrolysis);
    EXPECT_FALSE(session.screen().thiolactose);
    session.panelCommand("reacsuiv");
    EXPECT_EQ(session.world().reactionIndex, Reaction::lactoseHydrolysis);
    session.chooseSymbols(true);
    EXPECT_TRUE(session.screen().smallSymbols);
    EXPECT_FALSE(session.chooseMaxProducts(30));
    EXPECT_TRUE(session.chooseMaxProducts(400));
    EXPECT_EQ(session.panelCommand("modelevelmora").advancedFeaturesNotice, true);

    session.setPercent(false);
    EXPECT_EQ(session.screen().axis.top, "80 UA");

    // Another volume of the box: suspended, for the next start; a volume not in the list changes
    // nothing.
    session.recommencer();
    EXPECT_FALSE(session.chooseVolume(150));
    EXPECT_EQ(session.volume(), 100);
    EXPECT_EQ(session.screen().comment.find("suspendue"), std::string::npos);
    EXPECT_TRUE(session.chooseVolume(200));
    EXPECT_TRUE(session.screen().sceneBlank);
    EXPECT_NE(session.screen().comment.find("suspendue"), std::string::npos);
    EXPECT_EQ(session.currentSettings().scene.width, 724);
    EXPECT_EQ(session.currentSettings().scene.height, 543);
    EXPECT_EQ(session.volume(), 200);
}

TEST(Session, TranslatorGivesTheWordsOfItsLanguage)
{
    Translator english;
    english.add("Catalogue", "Hydrolyse du lactose", "Lactose hydrolysis");
    english.add("SceneDescription", "Aucune expérience en cours", "No experiment running");
    english.add("TimeCourse", "UA", "AU");
    english.add("GraphExport", ",", ".");
    english.add("SettingsText", "sans thiolactose (inhibiteur)", "without thiolactose (inhibitor)");
    english.pluralFromTwo = false;
    Session session({}, english);
    EXPECT_EQ(session.screen().reactionName, "Lactose hydrolysis");
    EXPECT_EQ(session.sceneSentence(), "No experiment running");
    EXPECT_NE(session.screen().comment.find("Bienvenue"), std::string::npos); // no translation given: French
    session.setPercent(false);
    EXPECT_EQ(session.screen().axis.top, "100 AU");

    session.recommencer();
    runTicks(session, 20);
    const std::string table = timeCourseTable(session.record(), {}, english);
    EXPECT_NE(table.find("\n1\t"), std::string::npos);
    EXPECT_EQ(table.find(','), std::string::npos) << table;
    EXPECT_NE(runCaption(session.record(), english).find("without thiolactose"), std::string::npos);
}

// The caption of the graph's picture: counts in the singular and the plural, the inhibitor only
// in lactose hydrolysis.
TEST(Session, RunCaptionTellsTheSettingsInWords)
{
    struct Case
    {
        std::int32_t reaction;
        std::int32_t enzyme;
        std::int32_t substrate;
        std::int32_t other;
        std::string caption;
        SceneSize box = {512, 384};
    };
    const Case cases[] = {
        {1, 20, 100, 0,
         "37\u00a0°C, pH\u00a07, 20\u00a0enzymes, 100\u00a0molécules de substrat, sans thiolactose "
         "(inhibiteur)"},
        {1, 1, 1, 1,
         "37\u00a0°C, pH\u00a07, 1\u00a0enzyme, 1\u00a0molécule de substrat, 1\u00a0molécule de thiolactose "
         "(inhibiteur)"},
        {1, 0, 200, 250,
         "37\u00a0°C, pH\u00a07, 0\u00a0enzyme, 200\u00a0molécules de substrat, 200\u00a0molécules de "
         "thiolactose (inhibiteur)"},
        {3, 5, 50, 50,
         "37\u00a0°C, pH\u00a07, 5\u00a0enzymes, 50\u00a0molécules de substrat, sans inhibiteur"},
        {3,
         5,
         50,
         50,
         "37\u00a0°C, pH\u00a07, 5\u00a0enzymes, 50\u00a0molécules de substrat, sans inhibiteur, volume de "
         "la "
         "boîte 25\u00a0%",
         {256, 192}},
        {3,
         5,
         50,
         50, // a box of no volume of the menu's
         "37\u00a0°C, pH\u00a07, 5\u00a0enzymes, 50\u00a0molécules de substrat, sans inhibiteur",
         {300, 200}},
    };
    for (const Case& c : cases) {
        ExperimentSettings settings;
        settings.reaction = c.reaction;
        settings.enzyme = c.enzyme;
        settings.substrate = c.substrate;
        settings.other = c.other;
        settings.scene = c.box;
        CourseRecord run;
        run.start(settings);
        EXPECT_EQ(runCaption(run, {}), c.caption);
    }
    EXPECT_EQ(reactionTitle(Reaction::amyloseHydrolysis, {}), "Hydrolyse de l’amylose");
}

TEST(Session, KeptRunsShowBehindTheCurveWithTheirLegend)
{
    Session session;
    EXPECT_EQ(session.keepCurve(), KeepOutcome::nothingToKeep);
    session.recommencer();
    runTicks(session, 200);
    session.setPanelValue("valeurtemp", "60");
    session.panelCommand("changetemp");
    runTicks(session, 100);
    EXPECT_EQ(session.keepCurve(), KeepOutcome::kept);
    EXPECT_EQ(keptLegendLine(0, session.keptCourses()[0], {}),
              "1 · hydr. lactose · 37\u00a0\u2192 60\u00a0°C · pH\u00a07 · E\u00a020 · S\u00a0100");
    session.recommencer();
    runTicks(session, 100);

    const GraphView view = graphView(session.world(), session.keptCourses(), 400, 300, 5);
    EXPECT_EQ(view.plotHeight, 280);
    ASSERT_EQ(view.kept.size(), 1u);
    EXPECT_EQ(view.kept[0].size(), 15u); // the kept run's seconds of this page
    EXPECT_EQ(view.curve.size(), 5u);
    EXPECT_EQ(view.curve.front().x, 4);
    EXPECT_EQ(view.curve.front().y, graphCurveY(session.world(), 1, 280));
    EXPECT_TRUE(view.marks.empty());
    // Texts twice as large on a larger screen: a strip twice as high, labels lower.
    const GraphView grown = graphView(session.world(), session.keptCourses(), 400, 300, 10, 14, 40);
    EXPECT_EQ(grown.plotHeight, 260);
    ASSERT_FALSE(grown.labels.empty());
    EXPECT_EQ(grown.labels[0].y, 262);
    // The time labels reach the kept run's 15 seconds, past the running one's 5.
    ASSERT_EQ(view.labels.size(), 3u);
    EXPECT_EQ(view.labels[0].text, "5");
    EXPECT_EQ(view.labels[2].text, "15");

    // The run's temperature change is marked in its colour, near its tenth second.
    ASSERT_EQ(view.keptMarks.size(), 1u);
    ASSERT_EQ(view.keptMarks[0].size(), 1u);
    EXPECT_NEAR(view.keptMarks[0][0], graphSecondX(10, 400),
                2 * (graphSecondX(2, 400) - graphSecondX(1, 400)));
    EXPECT_EQ(view.keptEnded, std::vector<std::int64_t>{-1});

    // Its settings head its columns, as in the window's copied table and the runner's CSV.
    const std::string csv = session.timeCourseCsv();
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "second,substrate,percent,temperature,ph,kept1 (37\u219260 °C pH 7 E20 S100)");
    const std::string table = timeCourseTable(session.record(), session.keptCourses(), {});
    EXPECT_EQ(table.substr(0, table.find('\n')),
              "seconde\tsubstrat (molécules)\tsubstrat (%)\ttempérature "
              "(°C)\tpH\tcourbe gardée 1, 37\u219260 °C pH 7 E20 S100 (%)");

    // Past its end, on the running one's second page, it keeps its legend line, which says when it
    // ended, and the time labels follow the running run alone.
    runTicks(session, 2000);
    const GraphView later = graphView(session.world(), session.keptCourses(), 400, 300, 5);
    EXPECT_TRUE(later.kept[0].empty());
    EXPECT_EQ(later.keptEnded, std::vector<std::int64_t>{15});
    EXPECT_EQ(keptLegendLine(0, session.keptCourses()[0], {}, later.keptEnded[0]),
              "1 · hydr. lactose · 37\u00a0\u2192 60\u00a0°C · pH\u00a07 · E\u00a020 · S\u00a0100 (fin à "
              "15\u00a0s)");
    session.clearKeptCurves();
    EXPECT_TRUE(session.keptCourses().empty());
}

TEST(Session, ActivityCurveInOneThreadGivesTheRunnersTable)
{
    ExperimentSettings current;
    current.other = 50;
    std::size_t calls = 0;
    const ActivityRun run =
        runActivityCurve(ActivityCurve::ph, current, [&calls](std::size_t done, std::size_t total) {
            ++calls;
            EXPECT_LE(done, total);
        });
    EXPECT_EQ(calls, 2u * 15u * 10u);

    SweepControl threads;
    threads.jobs = 2;
    std::ostringstream table;
    writeSweepTable(table, runSweep(activityCurvePlan(ActivityCurve::ph, current), threads));
    EXPECT_EQ(activityTableCsv(run), table.str());
    EXPECT_EQ(activityBatchCommand(run).rfind("velmora2-batch ", 0), 0u);

    const Chart chart = activityRunChart(run, false, {});
    ASSERT_TRUE(chart.mark.has_value());
    EXPECT_EQ(chart.mark->label, "réglage actuel\u00a0: pH\u00a07");
    EXPECT_EQ(chart.series.size(), 2u);
    const std::string text = activityTableText(run, {});
    EXPECT_EQ(
        text.substr(0, text.find('\n')),
        "thiolactose (molécules)\tpH\tvitesse initiale (molécules/s)\técart type (molécules/s)\tminimum "
        "(molécules/s)\tmaximum (molécules/s)\tmesure écourtée (expériences)");
}

// The activity window's choices: the measure, the share of the initial rate, the experiments per
// point; the runner's command gives the same figures.
TEST(Session, ActivityCurveFollowsTheWindowsChoices)
{
    const ExperimentSettings current;
    EXPECT_EQ(activityRunPlan(ActivityCurve::ph, current, {}).measures.initialRateShare,
              defaultInitialRateShare);
    EXPECT_EQ(activityRunPlan(ActivityCurve::substrate, current, {}).measures.initialRateShare,
              saturationInitialRateShare);
    ActivityChoices choices;
    choices.share = 80;
    EXPECT_EQ(activityRunPlan(ActivityCurve::ph, current, choices).measures.initialRateShare,
              largestInitialRateShare);

    choices = {};
    choices.measure = Measure::halfTime;
    choices.replicates = 2;
    const ActivityRun run = runActivityCurve(ActivityCurve::temperature, current, {}, choices);
    EXPECT_TRUE(run.plan.measures.halfTime);
    EXPECT_FALSE(run.plan.measures.initialRate);
    const std::string text = activityTableText(run, {});
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "température (°C)\ttemps de demi-réaction (s)\técart type "
              "(s)\tminimum (s)\tmaximum (s)\tdemi-temps atteint (expériences)");
    const std::string command = activityBatchCommand(run);
    EXPECT_NE(command.find("half-time"), std::string::npos) << command;
    EXPECT_NE(command.find("--repeat 2"), std::string::npos) << command;
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

// An experiment file opens as the screen opens, with its kept runs; saved again, it keeps what the
// screen does not show; a refused one changes nothing.
TEST(Session, ExperimentFilesOpenAndSaveThroughTheCore)
{
    const std::string file = R"({
  "format": "velmora-experiment", "version": 1,
  "title": "Effet de la température", "locked": ["ph"],
  "events": [{"second": 60, "temperature": 60}],
  "reaction": 3, "temperature": 30, "ph": 6, "enzyme": 12, "substrate": 80, "volume": 25,
  "symbols": "small", "products": 50,
  "kept": [{"reaction": 3, "temperature": 30, "ph": 6, "enzyme": 12, "substrate": 80, "volume": 25,
            "course": [[1, 80, 30, 6], [2, 70, 30, 6]]}]
})";
    Session session;
    session.recommencer();
    runTicks(session, 40);
    const ExperimentReading reading = session.openExperiment(file, "classe.velmora");
    ASSERT_TRUE(reading.document.has_value()) << reading.error->text();
    EXPECT_TRUE(reading.warnings.empty());
    const ExperimentSettings opened = session.currentSettings();
    EXPECT_EQ(opened.reaction, 3);
    EXPECT_EQ(opened.temperature, 30);
    EXPECT_EQ(opened.enzyme, 12);
    EXPECT_TRUE(opened.smallSymbols);
    EXPECT_EQ(opened.maxProductsCaption, 50);
    EXPECT_EQ(session.volume(), 25);
    EXPECT_EQ(session.scene().width, 256);
    EXPECT_FALSE(session.world().running);
    ASSERT_EQ(session.keptCourses().size(), 1u);
    EXPECT_EQ(session.keptCourses()[0].seconds().size(), 2u);

    session.chooseVolume(50);
    const ExperimentReading again =
        readExperimentFile(writeExperimentFile(session.experimentDocument()), "classe.velmora");
    ASSERT_TRUE(again.document.has_value());
    EXPECT_EQ(again.document->volume, 50);
    EXPECT_EQ(again.document->scenario.title, "Effet de la température");
    EXPECT_TRUE(again.document->scenario.locked.has(PanelControl::ph));
    EXPECT_EQ(again.document->settings.events.size(), 1u);
    EXPECT_EQ(again.document->kept.size(), 1u);
    EXPECT_EQ(again.document->kept[0].volume, 25);

    const ExperimentReading refused = session.openExperiment("{\"format\": \"tableur\"}", "notes.velmora");
    EXPECT_FALSE(refused.document.has_value());
    ASSERT_TRUE(refused.error.has_value());
    EXPECT_NE(session.problemText(*refused.error).find("notes.velmora"), std::string::npos);
    EXPECT_EQ(session.volume(), 50);
    EXPECT_EQ(session.keptCourses().size(), 1u);
}

} // namespace
} // namespace velmora
