// velmora-doc-figures FIGURES.JS IN.md OUT.md: writes IN.md to OUT.md with the model's figures put in
// from the lessons' figures.js, so that the teacher's documents quote exactly what the lessons show
// (and what the lesson-figures test checks against the runner). In IN.md:
//
//   {{GROUP|LABEL}}          the mean with its range and unit: "11,4 s (de 9 à 14 s)"
//   {{GROUP|LABEL|mean}}     the mean alone, with its unit: "11,4 s"
//   {{fit|NAME|FIELD|D}}     a fit's field (km, vmax, kmError, vmaxError) with D decimals; D = -1
//                            rounds to the ten: "230"
//   {{kept|LACTOSE}}         the share of the rate, in per cent, that 100 thiolactoses leave
//
// LABEL is the row's French label as figures.js writes it ("37&nbsp;°C"). A token that names no
// figure stops the tool with a message: the documents cannot quote a figure the lessons do not have.

#include <QCoreApplication>
#include <QFile>
#include <QJSEngine>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int fail(const QString& message)
{
    std::fprintf(stderr, "velmora-doc-figures: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        return fail("usage: velmora-doc-figures FIGURES.JS IN.md OUT.md");
    }
    QString script = readText(arguments[1]);
    const QString text = readText(arguments[2]);
    if (script.isEmpty() || text.isEmpty()) {
        return fail("cannot read " + (script.isEmpty() ? arguments[1] : arguments[2]));
    }

    QJSEngine engine;
    engine.installExtensions(QJSEngine::TranslationExtension); // qsTr gives the French text
    script.remove(QRegularExpression("^\\.pragma library"));
    const QJSValue loaded = engine.evaluate(script, arguments[1]);
    if (loaded.isError()) {
        return fail(arguments[1] + ": " + loaded.toString());
    }
    const QJSValue global = engine.globalObject();
    const auto call = [&](const char* function, const QJSValueList& values) {
        return global.property(function).call(values);
    };

    QString out;
    QString problem;
    qsizetype from = 0;
    const QRegularExpression token("\\{\\{([^}|]+)\\|([^}]+)\\}\\}");
    for (QRegularExpressionMatchIterator it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += text.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString group = match.captured(1);
        const QStringList parts = match.captured(2).split('|');
        QString value;
        if (group == "fit" && parts.size() == 3) {
            const QJSValue number = global.property("fits").property(parts[0]).property(parts[1]);
            const int digits = parts[2].toInt();
            if (number.isNumber()) {
                value = digits < 0 ? QString::number(std::lround(number.toNumber() / 10) * 10)
                                   : call("decimal", {number, digits}).toString();
            }
        } else if (group == "kept" && parts.size() == 1) {
            const auto rate = [&](const QString& label) {
                return call("mean", {call("row", {"competition", label})}).toNumber();
            };
            const double without = rate("lactose&nbsp;: " + parts[0] + ", sans thiolactose");
            const double with = rate("lactose&nbsp;: " + parts[0] + ", thiolactose&nbsp;: 100");
            if (std::isfinite(without) && std::isfinite(with) && without > 0) {
                value = QString::number(std::lround(100 * with / without));
            }
        } else if (parts.size() <= 2) {
            const QJSValue row = call("row", {group, parts[0]});
            if (row.isObject()) {
                value = parts.size() == 2 && parts[1] == "mean" ? call("value", {row, true}).toString()
                                                                : call("shown", {row, true}).toString();
            }
        }
        if (value.isEmpty()) {
            problem += QString("\n  %1: no such figure").arg(match.captured(0));
        }
        out += value;
    }
    out += text.mid(from);
    if (!problem.isEmpty()) {
        return fail(arguments[2] + ":" + problem);
    }

    QFile file(arguments[3]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.toUtf8()) < 0) {
        return fail("cannot write " + arguments[3]);
    }
    return 0;
}
