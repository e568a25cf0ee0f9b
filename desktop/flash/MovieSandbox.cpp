#include "flash/MovieSandbox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

#include <sys/stat.h>

namespace {

// The Qt modules a movie may import, as folders of the Qt QML directory. Modules that reach files,
// storage or the system (LocalStorage, Qt.labs, dialogs, QtCore) are left out.
const QStringList allowedQtModules{
    "QtQml",
    "QtQml/Models",
    "QtQuick",
    "QtQuick/Window",
    "QtQuick/Layouts",
    "QtQuick/Shapes",
    "QtQuick/Particles",
    "QtQuick/Templates",
    "QtQuick/Controls",
};

// Style folders of QtQuick.Controls (Basic, Fusion, impl, ...) belong to the Controls module.
bool belongsToAllowedModule(const QString& relativeFolder)
{
    for (const QString& module : allowedQtModules) {
        if (relativeFolder == module) {
            return true;
        }
    }
    return relativeFolder.startsWith("QtQuick/Controls/") || relativeFolder.startsWith("QtQuick/Templates/");
}

// A reply that fails as soon as the event loop runs.
class RefusedReply : public QNetworkReply
{
public:
    RefusedReply(QNetworkAccessManager::Operation operation, const QNetworkRequest& request, QObject* parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(operation);
        setOpenMode(QIODevice::ReadOnly);
        setError(QNetworkReply::ContentAccessDenied, "Les animations n'ont pas accès au réseau");
        QTimer::singleShot(0, this, [this] {
            emit errorOccurred(QNetworkReply::ContentAccessDenied);
            setFinished(true);
            emit finished();
        });
    }

    void abort() override {}
    qint64 bytesAvailable() const override { return 0; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
};

class OfflineAccessManager : public QNetworkAccessManager
{
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request, QIODevice*) override
    {
        return new RefusedReply(operation, request, this);
    }
};

// Qt's QML modules, as folders: a module description elsewhere may not take one of their names.
const QString& qtQmlFolder()
{
    static const QString folder =
        QFileInfo(QLibraryInfo::path(QLibraryInfo::QmlImportsPath)).canonicalFilePath();
    return folder;
}

// A file that is neither regular nor a folder (a named pipe, a socket, a device) blocks or never
// ends: no movie reads one. stat() itself never blocks.
bool isSpecialFile(const QString& path)
{
    struct stat status;
    if (stat(QFile::encodeName(path).constData(), &status) != 0) {
        return false; // missing: the engine finds that out itself
    }
    return !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

// QtQml's WorkerScript module, as the engine looks for it: "QtQml/WorkerScript",
// "QtQml/WorkerScript.6.4", "QtQml.6/WorkerScript", ...
bool isWorkerScriptModule(const QString& path)
{
    static const QRegularExpression module(
        QStringLiteral("/QtQml(\\.[0-9]+)*/WorkerScript(\\.[0-9]+)*/qmldir$"));
    return module.match(path).hasMatch();
}

} // namespace

QUrl MovieSandbox::intercept(const QUrl& url, DataType type)
{
    // Qt Quick imports QtQml, which imports WorkerScript: its module is replaced, not refused.
    if (type == QmldirFile && isWorkerScriptModule(url.path())) {
        return QUrl(QStringLiteral("qrc:/velmora-stand-ins/WorkerScript/qmldir"));
    }
    if (isAllowed(url, type)) {
        return url;
    }
    // A refused address given as a string (a picture, a page to open) becomes no address. A refused
    // document or module becomes one that does not exist, so that the engine looks no further.
    if (type == UrlString) {
        return {};
    }
    return QUrl::fromLocalFile("/nonexistent/velmora-refused/" + url.fileName());
}

bool MovieSandbox::isAllowed(const QUrl& url, DataType type) const
{
    const QString scheme = url.scheme();
    // The program's own resources (the movie module) and its picture provider.
    if (scheme == "qrc" || scheme == "image" || scheme == "data") {
        return true;
    }
    if (scheme != "file") {
        return false; // network and other schemes
    }
    const QString path = url.toLocalFile();
    if (type != UrlString && isAllowedQtModuleFile(path)) {
        return true;
    }
    if (!isInsideMovieFolder(path) || isSpecialFile(path)) {
        return false;
    }
    if (type == QmldirFile) {
        if (const Refusal fault = moduleFault(path); !fault.reason.isEmpty()) {
            const_cast<MovieSandbox*>(this)->refuse(path, fault);
            return false;
        }
    }
    return true;
}

MovieSandbox::Refusal MovieSandbox::moduleFault(const QString& path)
{
    QFile description(path);
    if (!description.exists()) {
        return {}; // the engine looks for one beside every document
    }
    // Opened without blocking: isAllowed() has seen a regular file. A description is small.
    if (!description.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return {{}, false, QStringLiteral("it cannot be read")};
    }
    const QStringList lines = QString::fromUtf8(description.read(64 * 1024)).split('\n');
    for (const QString& line : lines) {
        const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            continue;
        }
        const bool plugin =
            words[0] == QLatin1String("plugin") ||
            (words[0] == QLatin1String("optional") && words.value(1) == QLatin1String("plugin"));
        if (plugin) {
            return {{}, true, QStringLiteral("it declares a plugin, native code")};
        }
        if (words[0] == QLatin1String("module") && words.size() > 1) {
            const QString module = words[1];
            const QString folder = QString(module).replace('.', '/');
            if (module.startsWith(QLatin1String("Velmora.")) || module == QLatin1String("Velmora") ||
                QFileInfo::exists(qtQmlFolder() + '/' + folder + "/qmldir") ||
                module.startsWith(QLatin1String("Qt"))) {
                return {{}, false, QStringLiteral("it takes the name of the installed module ") + module};
            }
        }
    }
    return {};
}

void MovieSandbox::refuse(const QString& path, Refusal refusal)
{
    const QMutexLocker lock(&mutex_);
    refusal.file = QDir(movieFolder_).relativeFilePath(QFileInfo(path).absoluteFilePath());
    for (const Refusal& earlier : refusals_) {
        if (earlier.file == refusal.file) {
            return;
        }
    }
    refusals_.append(refusal);
}

QList<MovieSandbox::Refusal> MovieSandbox::refusals() const
{
    const QMutexLocker lock(&mutex_);
    return refusals_;
}

void MovieSandbox::setMovieFolder(const QString& folder)
{
    const QMutexLocker lock(&mutex_);
    movieFolder_ = QFileInfo(folder).canonicalFilePath();
    refusals_.clear();
}

bool MovieSandbox::isInsideMovieFolder(const QString& path) const
{
    if (movieFolder_.isEmpty()) {
        return false;
    }
    // Links are followed first, so that none leads out of the folder. A file that does not exist
    // (the engine asks for a "qmldir" beside every movie) is judged by its folder.
    const QFileInfo file(path);
    const QString canonical =
        file.exists() ? file.canonicalFilePath()
                      : QFileInfo(file.absolutePath()).canonicalFilePath() + '/' + file.fileName();
    return !canonical.startsWith('/') ? false : canonical.startsWith(movieFolder_ + '/');
}

bool MovieSandbox::isAllowedQtModuleFile(const QString& path)
{
    const QString& qtQml = qtQmlFolder();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (qtQml.isEmpty() || canonical.isEmpty() || !canonical.startsWith(qtQml + '/')) {
        return false;
    }
    const QString relativeFolder = QFileInfo(canonical.mid(qtQml.size() + 1)).path();
    return belongsToAllowedModule(relativeFolder);
}

void MovieSandbox::lockDownProcess()
{
    qunsetenv("QML_XHR_ALLOW_FILE_READ");
    qunsetenv("QML_XHR_ALLOW_FILE_WRITE");
    qputenv("QML_DISABLE_DISK_CACHE", "1");
    // A recursion of scripts (a property whose setter sets it again) goes through many frames of
    // the engine's C++ for each call: below this depth the thread's stack holds them, and a deeper
    // call is a script error ("Maximum call stack size exceeded").
    qputenv("QV4_MAX_CALL_DEPTH", QByteArray::number(largestScriptCallDepth));
    static IgnoredUrlHandler* const ignored = new IgnoredUrlHandler; // lives as long as the process
    for (const char* scheme :
         {"file", "http", "https", "ftp", "mailto", "data", "qrc", "smb", "sftp", "ssh"}) {
        QDesktopServices::setUrlHandler(scheme, ignored, "ignore");
    }
}

QNetworkAccessManager* NoNetworkAccessManagerFactory::create(QObject* parent)
{
    return new OfflineAccessManager(parent);
}
