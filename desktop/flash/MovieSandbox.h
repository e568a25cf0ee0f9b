#pragma once

#include <QList>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlNetworkAccessManagerFactory>
#include <QString>
#include <QStringList>

// A movie is code: these pieces keep it inside its folder. It may load the documents, scripts and
// pictures of the folder it was loaded from, the program's own movie module, Qt Quick and the Qt
// modules that Qt Quick needs; nothing else, and nothing from the network. Only regular files are
// read (a named pipe would hold the window in open() for ever).
//
// No native code comes with a movie: QML plugins load only from Qt's installed module folders. A
// module description (qmldir) in the movie's folder that declares a plugin, or that takes the name
// of an installed module, is refused, and the refusal is kept for the player to show (refusals()).
// WorkerScript, whose scripts would run on a thread of their own, beyond the watchdog, is given
// to movies as a stand-in that runs nothing.
class MovieSandbox : public QQmlAbstractUrlInterceptor
{
public:
    // The deepest call of a movie's scripts (see lockDownProcess).
    static constexpr int largestScriptCallDepth = 200;

    // Called from the engine's loading thread as well as the GUI thread.
    QUrl intercept(const QUrl& url, DataType type) override;

    // The folder of the movie being shown; its files may be read, and nothing outside it. The
    // refusals of the previous movie are forgotten.
    void setMovieFolder(const QString& folder);

    // The module descriptions refused since the movie folder was set, relative to it
    // ("plugins/qmldir"), each with the reason in English.
    struct Refusal
    {
        QString file;
        bool nativeCode = false; // it declares a plugin; otherwise it takes an installed module's name
        QString reason;
    };
    QList<Refusal> refusals() const;

    // Settings of the process that movies must not change: reading and writing local files
    // through XMLHttpRequest stay off, no compiled cache of a movie is written to disk, the
    // desktop opens no address that a movie asks for, and the script engine's call depth is kept
    // where a runaway recursion ends in a script error rather than a crash.
    static void lockDownProcess();

private:
    bool isAllowed(const QUrl& url, DataType type) const;
    bool isInsideMovieFolder(const QString& path) const;
    static bool isAllowedQtModuleFile(const QString& path);
    // Why the module description at `path` may not be used, or empty.
    static Refusal moduleFault(const QString& path);
    void refuse(const QString& path, Refusal refusal);

    QString movieFolder_; // canonical path
    mutable QMutex mutex_;
    QList<Refusal> refusals_;
};

// Receives the addresses that movies ask the desktop to open, and opens none.
class IgnoredUrlHandler : public QObject
{
    Q_OBJECT
public slots:
    void ignore(const QUrl&) {}
};

// Every network request a movie makes fails at once.
class NoNetworkAccessManagerFactory : public QQmlNetworkAccessManagerFactory
{
public:
    QNetworkAccessManager* create(QObject* parent) override;
};
