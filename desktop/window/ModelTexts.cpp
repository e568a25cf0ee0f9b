#include "window/ModelTexts.h"

#include "window/Translation.h"

#include <QCoreApplication>

QString translatedModelText(const char* context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return text.empty() ? QString() : QCoreApplication::translate(context, source.constData());
}

velmora::SentenceWords translatedSentenceWords()
{
    velmora::SentenceWords words;
    for (std::string* word : words.all()) {
        *word = translatedModelText("SceneDescription", *word).toStdString();
    }
    return words;
}

velmora::ChartWords translatedChartWords()
{
    velmora::ChartWords words;
    for (std::string* word : words.all()) {
        *word = translatedModelText("ActivityChart", *word).toStdString();
    }
    for (std::string& name : words.reactionNames) {
        name = translatedModelText("Catalogue", name).toStdString();
    }
    const QString language = installedLanguage();
    words.pluralFromTwo = language.isEmpty() || language == QLatin1String("fr");
    return words;
}
