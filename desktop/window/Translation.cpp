#include "window/Translation.h"

#include "files/DataFolder.h"
#include "window/QtFrench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString programName = QStringLiteral("velmora2");

// "en_GB.UTF-8" and "en@euro" are "en"; "C.UTF-8" is "C".
QString languageOf(const QString& preference)
{
    qsizetype end = preference.size();
    for (const QChar mark : {u'_', u'.', u'@'}) {
        const qsizetype at = preference.indexOf(mark);
        if (at >= 0 && at < end) {
            end = at;
        }
    }
    return preference.left(end);
}

} // namespace

QString chooseLanguage(const std::function<QString(const char*)>& variable, const QStringList& translated)
{
    QStringList preferences = variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    if (preferences.isEmpty()) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (!variable(name).isEmpty()) {
                preferences.append(variable(name));
                break;
            }
        }
    }
    for (const QString& preference : preferences) {
        const QString language = languageOf(preference);
        if (language == u"fr" || language == u"C" || language == u"POSIX") {
            return {};
        }
        if (translated.contains(language)) {
            return language;
        }
    }
    return {};
}

QStringList translatedLanguages(const QString& folder)
{
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({programName + "_*.qm"}, QDir::Files, QDir::Name)) {
        languages.append(file.mid(programName.size() + 1, file.size() - programName.size() - 4));
    }
    return languages;
}

QString findTranslationFolder(const QString& preferred)
{
    // Before the application object exists (to say that there is no screen), the executable's
    // folder is known from the kernel only.
    QStringList folders{preferred};
    for (const QString& folder :
         programFolders(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath())) {
        if (!folder.isEmpty()) {
            folders.append(folder + "/translations");
        }
    }
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && !translatedLanguages(folder).isEmpty()) {
            return QDir::cleanPath(folder);
        }
    }
    return {};
}

std::unique_ptr<QTranslator> programTranslator(const QString& folder)
{
    const QString language = chooseLanguage([](const char* name) { return qEnvironmentVariable(name); },
                                            translatedLanguages(folder));
    auto own = std::make_unique<QTranslator>();
    if (language.isEmpty() || !own->load(programName + "_" + language, folder)) {
        return nullptr;
    }
    return own;
}

namespace {

QString& chosenLanguage()
{
    static QString language;
    return language;
}

} // namespace

QString installedLanguage()
{
    return chosenLanguage();
}

QString installTranslations(QCoreApplication& application, const QString& folder)
{
    std::unique_ptr<QTranslator> own = programTranslator(folder);
    chosenLanguage().clear();
    if (!own) {
        installQtFrench(application);
        return {};
    }
    const QString language = own->language().section(u'_', 0, 0);
    chosenLanguage() = language;
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    own->setParent(&application);
    QCoreApplication::installTranslator(own.release());
    return language;
}
