#include "window/Autosave.h"

#include "files/FileWriter.h"
#include "lab/ExperimentFile.h"
#include "window/ClassWork.h"
#include "window/ErrorReport.h"

#include <QMessageBox>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace velmora;

namespace {

// The experiment left by the last window, whole, or none.
std::optional<ExperimentDocument> experimentLeft(std::string& bytes)
{
    const int file = openAutosaveFile();
    if (file < 0) {
        return std::nullopt;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || bytes.size() > largestExperimentFile) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(file);
    ExperimentReading reading = readExperimentFile(bytes, "autosave.velmora");
    return reading.document;
}

} // namespace

Autosave::Autosave(ClassWork& work, QObject* parent) : QObject(parent), work_(work)
{
    timer_.setInterval(snapshotInterval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (++snapshotsSinceSave_ * snapshotInterval >= interval) {
            saveIfChanged(); // which takes the snapshot too
        } else {
            takeSnapshot();
        }
    });
}

std::string Autosave::takeSnapshot()
{
    std::string bytes = writeExperimentFile(work_.currentDocument());
    const std::lock_guard<std::mutex> lock(snapshotMutex_);
    snapshot_ = bytes;
    return bytes;
}

void Autosave::saveIfChanged()
{
    snapshotsSinceSave_ = 0;
    const std::string bytes = takeSnapshot();
    if (bytes == lastSaved_) {
        return;
    }
    if (const std::string error = saveAutosave(bytes); !error.empty()) {
        // Said once on the standard error output: the student goes on, only unprotected.
        static bool said = false;
        if (!said) {
            said = true;
            std::fprintf(stderr, "velmora2: the experiment cannot be kept for a restart: %s\n",
                         error.c_str());
        }
        return;
    }
    lastSaved_ = bytes;
}

bool Autosave::saveLatest()
{
    std::string bytes;
    {
        const std::lock_guard<std::mutex> lock(snapshotMutex_);
        if (finished_ || snapshot_.empty()) {
            return false;
        }
        bytes = snapshot_;
    }
    return saveAutosave(bytes).empty();
}

bool Autosave::offerResumption(QWidget* parent, bool withoutAsking)
{
    // What is there now is not a change to save; the keeping starts from it (not before: while the
    // question waits, the experiment left must stay as it is).
    const auto settle = [this] {
        lastSaved_ = takeSnapshot();
        snapshotsSinceSave_ = 0;
        timer_.start();
    };
    std::string bytes;
    const std::optional<ExperimentDocument> left = experimentLeft(bytes);
    if (!left) {
        removeAutosaveFile();
        settle();
        return false;
    }
    if (!withoutAsking) {
        QMessageBox question(QMessageBox::Question, applicationTitle(),
                             tr("Reprendre l’expérience interrompue\u00a0?"),
                             QMessageBox::Yes | QMessageBox::No, parent);
        question.setObjectName("resumeQuestion");
        question.setInformativeText(
            tr("Le logiciel s’est arrêté sans avoir été fermé\u00a0; l’expérience en cours a été gardée."));
        question.setDefaultButton(QMessageBox::Yes);
        if (question.exec() != QMessageBox::Yes) {
            removeAutosaveFile();
            settle();
            return false;
        }
    }
    work_.applyDocument(*left); // the run under way replayed to where it was
    settle();
    if (withoutAsking) {
        std::fputs("velmora2: the experiment under way when a movie held the window is taken up again\n",
                   stderr);
        QMessageBox told(QMessageBox::Information, applicationTitle(),
                         tr("Une animation bloquait la fenêtre\u00a0: le logiciel a redémarré et repris "
                            "l’expérience où elle en était."),
                         QMessageBox::Ok, parent);
        told.setObjectName("resumedNotice");
        told.exec();
    }
    return true;
}

void Autosave::finish()
{
    timer_.stop();
    {
        const std::lock_guard<std::mutex> lock(snapshotMutex_);
        finished_ = true;
    }
    removeAutosaveFile();
}
