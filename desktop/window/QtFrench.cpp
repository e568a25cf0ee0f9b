#include "window/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installQtFrench(QCoreApplication& application)
{
    auto* french = new QTranslator(&application);
    if (french->load(QLocale(QLocale::French), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(french);
    } else {
        delete french;
    }
}
