#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QDeadlineTimer;
class QLocalServer;
class QLocalSocket;

namespace Lumo {

// One running copy per user. The running copy holds a lock file and listens on a local socket,
// both in a folder only the user can reach; a later copy finds the lock taken and hands its
// request (come forward, perhaps open a file) to the running copy over that socket. A lock or a
// socket left behind by a copy that crashed is recognised and taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class HandOver {
        Accepted,      // the running copy took the request
        Refused,       // the running copy cannot show the file: refusal() says why
        NoAnswer,      // a running copy took the connection but did not answer in time
        NoRunningCopy, // nobody listens, or the copy listening ended before it answered
    };

    explicit SingleInstance(const QString &programName);
    ~SingleInstance() override;

    // False when there is no folder that only this user can reach for the lock and the socket.
    bool hasPrivateFolder() const;

    // Takes the lock and starts listening for later copies. False when another running copy
    // holds the lock (or there is no private folder).
    bool tryAcquire();

    // From a later copy: asks the running copy to bring its window forward and, unless the path
    // is empty, to open that file; waits for its answer until the deadline.
    HandOver handOver(const QString &filePath, const QDeadlineTimer &deadline);
    // Why the running copy refused the last file handed over.
    QString refusal() const { return m_refusal; }

    // Decides in the running copy whether a later copy's file can be opened: an empty text
    // accepts it, any other text is the reason for refusing it. Without one, all are accepted.
    void setFileCheck(std::function<QString(const QString &)> check);

    // A folder only the user owns and can reach: the runtime folder, or else a folder of the
    // program's own made private; where that folder's path is too long for the socket, a private
    // folder with a short path in the temporary folder. Empty when none can be had.
    static QString privateFolder(const QString &programName);
    static QString lockFilePath(const QString &programName);
    // The local socket's name: a full path in the private folder where the system allows it.
    static QString serverName(const QString &programName);

Q_SIGNALS:
    // A later copy asked this one to come forward; the path is the file to open, or empty.
    void activationRequested(const QString &filePath);

private:
    void listen();
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QString m_programName;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    std::function<QString(const QString &)> m_fileCheck;
    QString m_refusal;
};

// Removes a lock file left under this process's own id by a program that ended without unlocking
// it: in a sandbox or a container, which gives the program the same low process id at every
// start, a copy that crashed leaves its locks for the next one under that id. A lock that a running
// process holds stays. True when the lock file was removed.
bool removeLockLeftUnderThisProcessId(QLockFile &lock);

} // namespace Lumo
