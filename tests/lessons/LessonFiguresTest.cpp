// The model's figures that the lessons quote (anims/figures.js) are what velmora2-batch gives with
// the options written beside them, and the movie folder's README lists every one of those runs.

#include "batch/BatchRun.h"

#include <QFile>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

struct Sample
{
    int second = 0;
    int substrate = 0;
    int percent = 0;
};

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

std::vector<Sample> timeCourse(const BatchOptions& options)
{
    auto world = std::make_unique<World>();
    std::ostringstream csv;
    runBatch(options, *world, &csv);
    std::vector<Sample> samples;
    std::istringstream in(csv.str());
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        Sample s;
        char comma = 0;
        std::istringstream fields(line);
        fields >> s.second >> comma >> s.substrate >> comma >> s.percent;
        samples.push_back(s);
    }
    return samples;
}

// The figure that `measure` reads from the time course; -2 when the run does not reach `second`.
int measured(const std::vector<Sample>& samples, const QString& measure, int second, int startingQuantity)
{
    if (measure == "halfTime") {
        for (const Sample& s : samples) {
            if (s.percent <= 50) {
                return s.second;
            }
        }
        return -1;
    }
    for (const Sample& s : samples) {
        if (s.second == second) {
            return measure == "percentAt" ? s.percent : startingQuantity - s.substrate;
        }
    }
    return -2;
}

} // namespace

class LessonFiguresTest : public QObject
{
    Q_OBJECT

private slots:
    void everyQuotedFigureIsWhatTheBatchRunGives()
    {
        QString script = readText(VELMORA_ANIMS "/figures.js");
        QVERIFY(!script.isEmpty());
        script.remove(QRegularExpression("^\\.pragma library")); // a QML directive, not JavaScript
        QJSEngine engine;
        engine.installExtensions(QJSEngine::TranslationExtension); // the labels are marked for translation
        const QJSValue result = engine.evaluate(script, "figures.js");
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
        const QJSValue groups = engine.globalObject().property("groups");
        QVERIFY(groups.isObject());

        const QString readme = readText(VELMORA_ANIMS "/README.md");
        int rows = 0;
        QJSValueIterator group(groups);
        while (group.hasNext()) {
            group.next();
            const int length = group.value().property("length").toInt();
            QVERIFY2(length > 0, qPrintable(group.name()));
            for (int i = 0; i < length; ++i) {
                const QJSValue row = group.value().property(i);
                const QString run = row.property("run").toString();
                const QString where = group.name() + " / " + row.property("label").toString() + ": " + run;

                std::vector<std::string> words;
                for (const QString& word : run.split(' ', Qt::SkipEmptyParts)) {
                    words.push_back(word.toStdString());
                }
                const std::vector<std::string_view> arguments(words.begin(), words.end());
                const BatchCommandLine line = parseBatchCommandLine(arguments);
                QVERIFY2(line.error.empty(), qPrintable(where + " — " + QString::fromStdString(line.error)));

                const QString measure = row.property("measure").toString();
                QVERIFY2(measure == "halfTime" || measure == "percentAt" || measure == "goneAt",
                         qPrintable(where));
                const int got = measured(timeCourse(line.options), measure, row.property("second").toInt(),
                                         line.options.substrate);
                QVERIFY2(got != -2, qPrintable(where + " — the run does not reach that second"));
                QVERIFY2(got == row.property("value").toInt(),
                         qPrintable(QString("%1 — the model gives %2, the lesson says %3")
                                        .arg(where)
                                        .arg(got)
                                        .arg(row.property("value").toInt())));
                QVERIFY2(readme.contains("velmora2-batch " + run),
                         qPrintable(where + " — missing from the README of the movies"));
                ++rows;
            }
        }
        QVERIFY(rows > 0);
    }
};

QTEST_GUILESS_MAIN(LessonFiguresTest)
#include "LessonFiguresTest.moc"
