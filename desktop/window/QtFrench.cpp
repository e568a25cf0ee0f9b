#include "window/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

class QtFrench : public QTranslator
{
public:
    bool load()
    {
        return qt_.load(QLocale(QLocale::French), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }

    bool isEmpty() const override { return qt_.isEmpty(); }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        if (qstrcmp(context, "QShortcut") == 0) {
            return {};
        }
        return qt_.translate(context, sourceText, disambiguation, n);
    }

private:
    QTranslator qt_;
};

} // namespace

void installQtFrench(QCoreApplication& application)
{
    auto* french = new QtFrench;
    french->setParent(&application);
    if (french->load()) {
        QCoreApplication::installTranslator(french);
    } else {
        delete french;
    }
}
