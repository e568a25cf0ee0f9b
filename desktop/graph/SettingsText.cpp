#include "graph/SettingsText.h"

#include "model/BoxVolume.h"
#include "model/World.h"

namespace {

using namespace velmora;

const QChar noBreakSpace(0x00A0);
const QString arrow = QString(noBreakSpace) + QChar(0x2192) + ' ';

// The value at the start, and the last one recorded when the run changed it.
QString startAndEnd(std::int32_t start, const CourseRecord& run, std::int32_t RecordedSecond::*value)
{
    QString text = SettingsText::integer(start);
    const std::vector<RecordedSecond>& seconds = run.seconds();
    if (!seconds.empty() && seconds.front().*value != seconds.back().*value) {
        text += arrow + SettingsText::integer(seconds.back().*value);
    }
    return text;
}

} // namespace

QString SettingsText::reactionTitle(std::int32_t reaction)
{
    switch (reaction) {
    case Reaction::lactoseHydrolysis:
        return tr("Hydrolyse du lactose");
    case Reaction::lactoseSynthesis:
        return tr("Synthèse du lactose");
    case Reaction::maltoseHydrolysis:
        return tr("Hydrolyse du maltose");
    case Reaction::amyloseHydrolysis:
        return tr("Hydrolyse de l’amylose");
    }
    return {};
}

QString SettingsText::integer(std::int64_t value)
{
    return value < 0 ? QChar(0x2212) + QString::number(-value) : QString::number(value);
}

QString SettingsText::temperature(const CourseRecord& run)
{
    return tr("%1\u00a0°C").arg(startAndEnd(run.settings().temperature, run, &RecordedSecond::temperature));
}

QString SettingsText::ph(const CourseRecord& run)
{
    return tr("pH\u00a0%1").arg(startAndEnd(run.settings().ph, run, &RecordedSecond::ph));
}

QString SettingsText::caption(const CourseRecord& run)
{
    const ExperimentSettings& settings = run.settings();
    const std::int32_t enzyme = clampAmount(settings.enzyme);
    const std::int32_t substrate = clampAmount(settings.substrate);
    const std::int32_t other = clampAmount(settings.other);
    QString inhibitor;
    if (settings.reaction != Reaction::lactoseHydrolysis) {
        inhibitor = tr("sans inhibiteur");
    } else if (other == 0) {
        inhibitor = tr("sans thiolactose (inhibiteur)");
    } else {
        inhibitor = other >= 2 ? tr("%1\u00a0molécules de thiolactose (inhibiteur)").arg(other)
                               : tr("%1\u00a0molécule de thiolactose (inhibiteur)").arg(other);
    }
    QString text = tr("%1, %2, %3, %4, %5")
                       .arg(temperature(run), ph(run),
                            enzyme >= 2 ? tr("%1\u00a0"
                                             "enzymes")
                                              .arg(enzyme)
                                        : tr("%1\u00a0"
                                             "enzyme")
                                              .arg(enzyme),
                            substrate >= 2 ? tr("%1\u00a0molécules de substrat").arg(substrate)
                                           : tr("%1\u00a0molécule de substrat").arg(substrate),
                            inhibitor);
    if (const std::optional<std::int32_t> volume = volumeOfBox(settings.scene);
        volume && *volume != defaultVolume) {
        text += tr(", volume de la boîte %1\u00a0%").arg(*volume);
    }
    return text;
}

QString SettingsText::legendLine(std::size_t index, const CourseRecord& run)
{
    const ExperimentSettings& settings = run.settings();
    QString reaction;
    switch (settings.reaction) {
    case Reaction::lactoseHydrolysis:
        reaction = tr("hydr. lactose");
        break;
    case Reaction::lactoseSynthesis:
        reaction = tr("synth. lactose");
        break;
    case Reaction::maltoseHydrolysis:
        reaction = tr("hydr. maltose");
        break;
    case Reaction::amyloseHydrolysis:
        reaction = tr("hydr. amylose");
        break;
    }
    QString line = tr("%1 · %2 · %3 · %4 · E\u00a0%5 · S\u00a0%6")
                       .arg(QString::number(index + 1), reaction, temperature(run), ph(run),
                            QString::number(clampAmount(settings.enzyme)),
                            QString::number(clampAmount(settings.substrate)));
    if (settings.reaction == Reaction::lactoseHydrolysis && clampAmount(settings.other) > 0) {
        line += tr(" · I\u00a0%1").arg(clampAmount(settings.other));
    }
    if (const std::optional<std::int32_t> volume = volumeOfBox(settings.scene);
        volume && *volume != defaultVolume) {
        line += tr(" · V\u00a0%1\u00a0%").arg(*volume);
    }
    return line;
}
