#include "window/GraphicalScreen.h"

#include "window/StartFailure.h"
#include "window/Translation.h"

#include <QStringList>
#include <QTranslator>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// In the user's language, from the program's translator alone: there may be no application yet.
void sayNoGraphicalScreen()
{
    const char* const sentence = QT_TRANSLATE_NOOP(
        "GraphicalScreen",
        "velmora2\u00a0: ce logiciel a besoin d’un écran graphique, et aucun n’est accessible.");
    const std::unique_ptr<QTranslator> translator = programTranslator();
    const QString translated = translator ? translator->translate("GraphicalScreen", sentence) : QString();
    std::fputs(
        ((translated.isEmpty() ? QString::fromUtf8(sentence) : translated).toLocal8Bit() + '\n').constData(),
        stderr);
}

QtMessageHandler previousHandler = nullptr;
QStringList* waiting = nullptr; // formatted messages held while the screen opens

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        // The toolkit gives up on its screen: one French line instead of its own, then status 1.
        sayNoGraphicalScreen();
        std::_Exit(1);
    }
    if (isThreadStartFailure(message)) {
        endBecauseThreadsRefused(); // the display's own thread, say: no event would ever come
    }
    if (waiting) {
        waiting->append(qFormatLogMessage(type, context, message));
    }
}

} // namespace

bool graphicalScreenNamed(int argc, char** argv)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    sayNoGraphicalScreen();
    return false;
}

ScreenOpening::ScreenOpening()
{
    waiting = new QStringList;
    previousHandler = qInstallMessageHandler(holdMessage);
}

ScreenOpening::~ScreenOpening()
{
    release();
}

void ScreenOpening::release()
{
    if (!waiting) {
        return;
    }
    qInstallMessageHandler(previousHandler);
    for (const QString& message : *waiting) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    delete waiting;
    waiting = nullptr;
}
