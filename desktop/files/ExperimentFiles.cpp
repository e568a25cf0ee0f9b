#include "files/ExperimentFiles.h"

#include "files/FileWriter.h"
#include "window/ModelTexts.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

using namespace velmora;

namespace {

// The reason of a failed open or read, as the user reads it.
std::string readingReason(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("ExperimentFiles", "il n’existe pas").toStdString();
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ExperimentFiles", "l’accès en est refusé").toStdString();
    case EISDIR:
        return QCoreApplication::translate("ExperimentFiles", "c’est un dossier").toStdString();
    default:
        return std::strerror(error);
    }
}

} // namespace

ExperimentReading readUserExperimentFile(const QString& path)
{
    const std::string name = QFile::encodeName(path).toStdString();
    ExperimentReading reading;
    const int file = openUserFile(name);
    if (file < 0) {
        reading.error = unreadableExperimentFile(path.toStdString(), readingReason(-file));
        return reading;
    }
    // The file was opened without blocking: a pipe or a device never holds the window for long.
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && errno == EAGAIN) {
            pollfd wait{file, POLLIN, 0};
            if (poll(&wait, 1, 2000) == 1) {
                continue;
            }
            errno = ETIMEDOUT;
        }
        if (got < 0) {
            const int error = errno;
            close(file);
            reading.error = unreadableExperimentFile(path.toStdString(), readingReason(error));
            return reading;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > largestExperimentFile) {
            close(file);
            reading.error = tooLargeExperimentFile(path.toStdString());
            return reading;
        }
    }
    close(file);
    return readExperimentFile(bytes, path.toStdString());
}

QString problemText(const FileProblem& problem)
{
    FileProblem translated = problem;
    const QByteArray pattern = translatedModelText("ExperimentFile", problem.pattern).toUtf8();
    QByteArray detail;
    translated.pattern = pattern.constData();
    if (problem.detail) {
        detail = translatedModelText("ExperimentFile", problem.detail).toUtf8();
        translated.detail = detail.constData();
    }
    return QString::fromStdString(translated.text());
}
