#include "window/CommandLine.h"

#include "window/Translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <filesystem>

namespace {

// Qt's own words in the help (the usage line and the headings), in French like the rest.
class HelpHeadings : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "QCommandLineParser") != 0) {
            return {};
        }
        if (qstrcmp(sourceText, "Usage: %1") == 0) {
            return QString::fromUtf8("Utilisation\u00a0: %1");
        }
        if (qstrcmp(sourceText, "Options:") == 0) {
            return QString::fromUtf8("Options\u00a0:");
        }
        if (qstrcmp(sourceText, "Arguments:") == 0) {
            return QString::fromUtf8("Arguments\u00a0:");
        }
        return {};
    }
};

int print(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

// The program's options, described in the language of the installed translators.
struct Options
{
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, QCoreApplication::translate("CommandLine", "Affiche cette aide.")};
    QCommandLineOption version{"version", QCoreApplication::translate("CommandLine", "Affiche la version.")};

    Options()
    {
        // "-platformtheme" and the like are Qt's options, never a bundle of one-letter options.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Velmora v2\u00a0: modélisation de l’activité enzymatique pour les cours de biologie.\n"
            "Le programme prend ses animations (anims/) et ses valeurs de départ (velmora.ini)\n"
            "dans le dossier d’où il est lancé, ou à défaut dans son installation."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QCoreApplication::translate("CommandLine", "fichier"),
            QCoreApplication::translate("CommandLine",
                                        "Une expérience à ouvrir (.velmora) ; si le programme tourne déjà, "
                                        "c’est lui qui l’ouvre."));
        // Qt's options that take a value, so that the value is not taken for a file.
        for (const char* name : {"platform",
                                 "platformpluginpath",
                                 "platformtheme",
                                 "plugin",
                                 "qmljsdebugger",
                                 "style",
                                 "stylesheet",
                                 "session",
                                 "display",
                                 "geometry",
                                 "qwindowgeometry",
                                 "title",
                                 "qwindowtitle",
                                 "qwindowicon",
                                 "name",
                                 "font",
                                 "fn",
                                 "bg",
                                 "background",
                                 "fg",
                                 "foreground",
                                 "btn",
                                 "button",
                                 "visual",
                                 "ncols",
                                 "cmap",
                                 "im",
                                 "dialogs"}) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

} // namespace

std::optional<int> answerInformationOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    Options options;
    // Arguments the program does not know were always ignored, and still are.
    options.parser.parse(arguments);
    if (!options.parser.isSet(options.help) && !options.parser.isSet(options.version)) {
        return std::nullopt;
    }

    QCoreApplication application(argc, argv);
    if (options.parser.isSet(options.version)) {
        return print(QStringLiteral("velmora2 %1\n").arg(QStringLiteral(VELMORA_VERSION)));
    }
    HelpHeadings headings;
    if (installTranslations(application).isEmpty()) {
        QCoreApplication::installTranslator(&headings);
    }
    return print(Options().parser.helpText());
}

std::string fileArgument(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    Options options;
    options.parser.parse(arguments);
    const QStringList files = options.parser.positionalArguments();
    if (files.isEmpty() || files.first().isEmpty()) {
        return {};
    }
    std::error_code failure;
    const std::filesystem::path path(files.first().toLocal8Bit().toStdString());
    const std::filesystem::path absolute = std::filesystem::absolute(path, failure);
    return failure ? path.string() : absolute.lexically_normal().string();
}
