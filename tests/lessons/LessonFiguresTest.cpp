// The model's figures that the lessons quote (anims/figures.js) are what velmora2-batch gives with
// the options written beside them: each a mean over 20 generator states with its range, and the
// Michaelis-Menten fits of the saturation; the movie folder's README lists every one of those runs.

#include "batch/BatchOptions.h"
#include "batch/BatchSweep.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"

#include <QFile>
#include <QHash>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

using namespace velmora;

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// A run of figures.js as the runner reads it, and its sweep, run once however many rows read it.
struct Sweep
{
    BatchOptions options;
    SweepResult result;
};

class Sweeps
{
public:
    // Empty `error` when the options are sound.
    const Sweep* of(const QString& run, QString& error)
    {
        if (!sweeps_.contains(run)) {
            std::vector<std::string> words;
            for (const QString& word : run.split(' ', Qt::SkipEmptyParts)) {
                words.push_back(word.toStdString());
            }
            const std::vector<std::string_view> arguments(words.begin(), words.end());
            const BatchCommandLine line = parseBatchCommandLine(arguments);
            if (!line.error.empty()) {
                error = QString::fromStdString(line.error);
                return nullptr;
            }
            if (line.options.sweeps.empty() || line.options.repeat < 20) {
                error = "not a sweep of at least 20 generator states";
                return nullptr;
            }
            sweeps_.insert(run, Sweep{line.options, runSweep(sweepPlanFor(line.options))});
        }
        return &sweeps_[run];
    }

private:
    QHash<QString, Sweep> sweeps_;
};

// The point of a sweep at `x` (and in the series `series`, when the sweep has one).
const SweepPoint* pointAt(const SweepResult& result, int x, const QJSValue& series)
{
    for (const SweepPoint& point : result.points) {
        if (point.xValue == x && (series.isUndefined() || point.seriesValue == series.toInt())) {
            return &point;
        }
    }
    return nullptr;
}

std::size_t seriesIndex(const SweepPlan& plan, int value)
{
    if (plan.series) {
        for (std::size_t i = 0; i < plan.series->values.size(); ++i) {
            if (plan.series->values[i] == value) {
                return i;
            }
        }
    }
    return 0;
}

// Within what the figure's writing keeps: a mean to two decimals, a minimum and maximum to one.
bool near(double written, double exact, double tolerance)
{
    return std::abs(written - exact) <= tolerance;
}

} // namespace

class LessonFiguresTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString script = readText(VELMORA_ANIMS "/figures.js");
        QVERIFY(!script.isEmpty());
        script.remove(QRegularExpression("^\\.pragma library"));   // a QML directive, not JavaScript
        engine.installExtensions(QJSEngine::TranslationExtension); // the labels are marked for translation
        const QJSValue result = engine.evaluate(script, "figures.js");
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
        readme = readText(VELMORA_ANIMS "/README.md");
        QVERIFY(!readme.isEmpty());
    }

    void everyQuotedFigureIsTheMeanAndRangeThatTheRunnerGives()
    {
        const QJSValue groups = engine.globalObject().property("groups");
        QVERIFY(groups.isObject());
        QStringList faults;
        int rows = 0;
        QJSValueIterator group(groups);
        while (group.hasNext()) {
            group.next();
            const int length = group.value().property("length").toInt();
            QVERIFY2(length > 0, qPrintable(group.name()));
            for (int i = 0; i < length; ++i) {
                const QJSValue row = group.value().property(i);
                const QString run = row.property("run").toString();
                const QString where = group.name() + " / " + row.property("key").toString() + ": " + run;
                QString error;
                const Sweep* sweep = sweeps.of(run, error);
                if (!sweep) {
                    faults << where + " — " + error;
                    continue;
                }
                if (!readme.contains("velmora2-batch " + run)) {
                    faults << where + " — missing from the README of the movies";
                }
                const SweepPoint* point =
                    pointAt(sweep->result, row.property("x").toInt(), row.property("series"));
                if (!point) {
                    faults << where + " — the sweep has no such point";
                    continue;
                }
                const Statistic& figure = point->statistic(plottedMeasure(sweep->options));
                const QJSValue mean = row.property("mean");
                if (mean.isNull()) {
                    if (figure.count != 0) {
                        faults << where + QString(" — %1 runs gave a figure, the lesson says none")
                                              .arg(figure.count);
                    }
                } else if (figure.count != sweep->options.repeat ||
                           !near(mean.toNumber(), figure.mean, 0.0051) ||
                           !near(row.property("low").toNumber(), figure.minimum, 0.051) ||
                           !near(row.property("high").toNumber(), figure.maximum, 0.051)) {
                    faults << where +
                                  QString(" — the model gives %1 (%2 to %3) over %4 runs of %5, the lesson "
                                          "says %6 (%7 to %8)")
                                      .arg(figure.mean, 0, 'f', 3)
                                      .arg(figure.minimum)
                                      .arg(figure.maximum)
                                      .arg(figure.count)
                                      .arg(sweep->options.repeat)
                                      .arg(mean.toNumber())
                                      .arg(row.property("low").toNumber())
                                      .arg(row.property("high").toNumber());
                }
                ++rows;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(rows > 0);
    }

    // Km and Vmax as the runner prints them for the saturation, without and with the inhibitor.
    void theQuotedFitsAreTheRunnersFits()
    {
        const QJSValue fits = engine.globalObject().property("fits");
        QVERIFY(fits.isObject());
        QJSValueIterator fit(fits);
        int count = 0;
        while (fit.hasNext()) {
            fit.next();
            const QString run = fit.value().property("run").toString();
            QString error;
            const Sweep* sweep = sweeps.of(run, error);
            QVERIFY2(sweep, qPrintable(fit.name() + ": " + error));
            QVERIFY2(readme.contains("velmora2-batch " + run),
                     qPrintable(fit.name() + " missing from the README"));
            const int series = fit.value().property("series").toInt();
            const MichaelisMentenFit exact =
                fitMichaelisMenten(seriesRates(sweep->result, seriesIndex(sweep->result.plan, series)));
            QCOMPARE(exact.verdict, FitVerdict::fitted);
            // As printed: three significant figures or so.
            const auto close = [](double written, double value) {
                return std::abs(written - value) <= 0.01 * value;
            };
            QVERIFY2(close(fit.value().property("km").toNumber(), exact.km) &&
                         close(fit.value().property("vmax").toNumber(), exact.vmax) &&
                         std::abs(fit.value().property("kmError").toNumber() - exact.kmError) <=
                             0.06 * exact.kmError &&
                         std::abs(fit.value().property("vmaxError").toNumber() - exact.vmaxError) <=
                             0.06 * exact.vmaxError,
                     qPrintable(QString("%1: the model fits Km %2 +- %3, Vmax %4 +- %5")
                                    .arg(fit.name())
                                    .arg(exact.km)
                                    .arg(exact.kmError)
                                    .arg(exact.vmax)
                                    .arg(exact.vmaxError)));
            ++count;
        }
        QVERIFY(count > 0);
    }

private:
    QJSEngine engine;
    QString readme;
    Sweeps sweeps;
};

QTEST_GUILESS_MAIN(LessonFiguresTest)
#include "LessonFiguresTest.moc"
