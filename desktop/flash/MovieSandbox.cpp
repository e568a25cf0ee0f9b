#include "flash/MovieSandbox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QNetworkReply>
#include <QTimer>

namespace {

// The Qt modules a movie may import, as folders of the Qt QML directory. Modules that reach files,
// storage or the system (LocalStorage, Qt.labs, dialogs, QtCore) are left out.
const QStringList allowedQtModules{
    "QtQml",
    "QtQml/Models",
    "QtQml/WorkerScript",
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

} // namespace

QUrl MovieSandbox::intercept(const QUrl& url, DataType type)
{
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
    return isInsideMovieFolder(path) || (type != UrlString && isAllowedQtModuleFile(path));
}

void MovieSandbox::setMovieFolder(const QString& folder)
{
    movieFolder_ = QFileInfo(folder).canonicalFilePath();
}

bool MovieSandbox::isInsideMovieFolder(const QString& path) const
{
    if (movieFolder_.isEmpty()) {
        return false;
    }
    // Links are followed first, so that none leads out of the folder. A file that does not exist
    // (the engine asks for a "qmldir" beside every movie) is judged by its folder.
    const QFileInfo file(path);
    const QString canonical = file.exists() ? file.canonicalFilePath()
                                            : QFileInfo(file.absolutePath()).canonicalFilePath() + '/' + file.fileName();
    return !canonical.startsWith('/') ? false : canonical.startsWith(movieFolder_ + '/');
}

bool MovieSandbox::isAllowedQtModuleFile(const QString& path)
{
    static const QString qtQml = QFileInfo(QLibraryInfo::path(QLibraryInfo::QmlImportsPath)).canonicalFilePath();
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
    static IgnoredUrlHandler* const ignored = new IgnoredUrlHandler; // lives as long as the process
    for (const char* scheme : {"file", "http", "https", "ftp", "mailto"}) {
        QDesktopServices::setUrlHandler(scheme, ignored, "ignore");
    }
}

QNetworkAccessManager* NoNetworkAccessManagerFactory::create(QObject* parent)
{
    return new OfflineAccessManager(parent);
}
