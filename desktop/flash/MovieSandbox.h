#pragma once

#include <QNetworkAccessManager>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlNetworkAccessManagerFactory>
#include <QString>
#include <QStringList>

// A movie is code: these pieces keep it inside its folder. It may load the documents, scripts and
// pictures of the folder it was loaded from, the program's own movie module, Qt Quick and the Qt
// modules that Qt Quick needs; nothing else, and nothing from the network.
class MovieSandbox : public QQmlAbstractUrlInterceptor
{
public:
    QUrl intercept(const QUrl& url, DataType type) override;

    // The folder of the movie being shown; its files may be read, and nothing outside it.
    void setMovieFolder(const QString& folder);

    // Settings of the process that movies must not change: reading and writing local files
    // through XMLHttpRequest stay off, no compiled cache of a movie is written to disk, and the
    // desktop opens no address that a movie asks for.
    static void lockDownProcess();

private:
    bool isAllowed(const QUrl& url, DataType type) const;
    bool isInsideMovieFolder(const QString& path) const;
    static bool isAllowedQtModuleFile(const QString& path);

    QString movieFolder_; // canonical path
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
