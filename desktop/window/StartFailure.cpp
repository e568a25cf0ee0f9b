#include "window/StartFailure.h"

#include "window/ErrorReport.h"
#include "window/Translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <pthread.h>
#include <vector>

namespace {

const char* const threadsRefused = QT_TRANSLATE_NOOP(
    "StartFailure",
    "Le logiciel ne peut pas démarrer, car le système refuse d’en lancer les fils d’exécution "
    "(trop de processus en cours\u00a0?).");
const char* const writerRefused = QT_TRANSLATE_NOOP(
    "StartFailure", "Le logiciel ne peut pas démarrer, car le système refuse de lancer le programme qui "
                    "enregistre ses fichiers (trop de processus en cours\u00a0?).");

// The sentence in the user's language, from the program's translator alone: there may be no
// application object.
QString translated(const char* sentence)
{
    const std::unique_ptr<QTranslator> translator = programTranslator();
    const QString text = translator ? translator->translate("StartFailure", sentence) : QString();
    return text.isEmpty() ? QString::fromUtf8(sentence) : text;
}

const char* const onStandardError = QT_TRANSLATE_NOOP("StartFailure", "velmora2\u00a0: %1");

void sayOnStandardError(const QString& sentence)
{
    std::fputs((translated(onStandardError).arg(sentence) + '\n').toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void* waitForRelease(void* gate)
{
    pthread_mutex_lock(static_cast<pthread_mutex_t*>(gate));
    pthread_mutex_unlock(static_cast<pthread_mutex_t*>(gate));
    return nullptr;
}

QtMessageHandler nextHandler = nullptr;

void endOnThreadFailure(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (isThreadStartFailure(message)) {
        endBecauseThreadsRefused();
    }
    if (nextHandler) {
        nextHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

bool threadsCanStart(int count)
{
    // All held at once behind a locked gate, so that the system counts them together.
    pthread_mutex_t gate = PTHREAD_MUTEX_INITIALIZER;
    pthread_mutex_lock(&gate);
    std::vector<pthread_t> started;
    for (int i = 0; i < count; ++i) {
        pthread_t thread;
        if (pthread_create(&thread, nullptr, waitForRelease, &gate) != 0) {
            break;
        }
        started.push_back(thread);
    }
    pthread_mutex_unlock(&gate);
    for (const pthread_t thread : started) {
        pthread_join(thread, nullptr);
    }
    return static_cast<int>(started.size()) == count;
}

void endBecauseThreadsRefused()
{
    sayOnStandardError(translated(threadsRefused));
    std::_Exit(1);
}

void endBecauseWriterRefused(int argc, char** argv)
{
    const QString sentence = translated(writerRefused);
    sayOnStandardError(sentence);
    QApplication application(argc, argv);
    installTranslations(application);
    QMessageBox box(QMessageBox::Critical, applicationTitle(), sentence, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    std::_Exit(1);
}

bool isThreadStartFailure(const QString& message)
{
    return message.startsWith(QLatin1String("QThread::start: Thread creation error"));
}

ThreadStartWatch::ThreadStartWatch()
{
    nextHandler = qInstallMessageHandler(endOnThreadFailure);
}

ThreadStartWatch::~ThreadStartWatch()
{
    qInstallMessageHandler(nextHandler);
}
