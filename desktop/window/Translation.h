#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QCoreApplication;
class QTranslator;

// The language of the window's texts, from the user's locale: the colon-separated preferences of
// LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG that is set ("en_GB.UTF-8" is "en").
// Gives the first preferred language among `translated` ("en"), or an empty text for French: the
// program's own language, which is also that of the C locale, of an unset locale, and of any
// preference met before a translated one ("fr", "C") or of languages without a translation.
QString chooseLanguage(const std::function<QString(const char*)>& variable, const QStringList& translated);

// The languages with a translation in `folder`: "en" for velmora2_en.qm.
QStringList translatedLanguages(const QString& folder);

// The folder of the program's translations: `preferred` when it holds one, else beside the program
// (a build) or in its installation. Needs no application object.
QString findTranslationFolder(const QString& preferred = {});

// The program's own translator for the language chosen from the process's environment, loaded
// from `folder`; none for French. Needs no application object.
std::unique_ptr<QTranslator> programTranslator(const QString& folder = findTranslationFolder());

// Installs the translators of the language chosen from the process's environment, before any
// window or movie exists (the movies' qsTr read them too): the program's own and Qt's; in French
// Qt's own words in French. Gives the language, empty for French.
QString installTranslations(QCoreApplication& application, const QString& folder = findTranslationFolder());

// The language that installTranslations last chose, empty for French (or before it ran).
QString installedLanguage();
