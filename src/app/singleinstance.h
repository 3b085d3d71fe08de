#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace Lumo {

// One running copy per user. The running copy holds a per-user lock file and listens on a local
// socket; a later copy finds the lock taken and hands its request (come forward, perhaps open a
// file) to the running copy over that socket. A lock or a socket left behind by a copy that
// crashed is recognised and taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &programName);
    ~SingleInstance() override;

    // Takes the lock and starts listening for later copies. False when another running copy
    // holds the lock.
    bool tryAcquire();

    // From a later copy: asks the running copy to bring its window forward and, unless the path
    // is empty, to open that file. False when no running copy took the request in time.
    bool handOver(const QString &filePath);

    static QString lockFilePath(const QString &programName);
    // The local socket's name: the program's name and a digest of the user's runtime folder,
    // so that every user (and every runtime folder) has a socket of their own.
    static QString serverName(const QString &programName);

Q_SIGNALS:
    // A later copy asked this one to come forward; the path is the file to open, or empty.
    void activationRequested(const QString &filePath);

private:
    void listen();
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QString m_programName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace Lumo
