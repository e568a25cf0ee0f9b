#include "app/ModelTexts.h"

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
