#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace Lumo {

namespace {
// A request is one line: the path to open in UTF-8, or nothing, ended by a line feed. The
// running copy answers with Accepted once it has the request.
const QByteArray Accepted = QByteArrayLiteral("ok\n");
constexpr qint64 LongestRequest = 64 * 1024;
// How long a later copy waits for the running copy; also covers a copy that has taken the lock
// but is not yet listening.
constexpr int HandOverMilliseconds = 5000;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
} // namespace

QString SingleInstance::lockFilePath(const QString &programName)
{
    return runtimeFolder() + QLatin1Char('/') + programName + QStringLiteral(".lock");
}

QString SingleInstance::serverName(const QString &programName)
{
    const QByteArray digest =
        QCryptographicHash::hash(runtimeFolder().toUtf8(), QCryptographicHash::Sha256);
    return programName + QLatin1Char('-') + QString::fromLatin1(digest.toHex().left(16));
}

SingleInstance::SingleInstance(const QString &programName)
    : m_programName(programName), m_lock(std::make_unique<QLockFile>(lockFilePath(programName)))
{
    // A running copy holds its lock for as long as it runs: never treat it as stale by age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (!m_lock->tryLock(0))
        return false;
    listen();
    return true;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    // This copy holds the lock, so a socket of the same name was left by a copy that crashed.
    const QString name = serverName(m_programName);
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        qWarning("Later copies cannot reach this one: %s", qPrintable(m_server->errorString()));
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > LongestRequest)
            socket->abort();
        return;
    }
    QByteArray line = socket->readLine(LongestRequest);
    if (!line.endsWith('\n')) {
        socket->abort(); // longer than any path
        return;
    }
    line.chop(1);
    socket->write(Accepted);
    socket->disconnectFromServer();
    emit activationRequested(QString::fromUtf8(line));
}

bool SingleInstance::handOver(const QString &filePath)
{
    const QDeadlineTimer deadline(HandOverMilliseconds);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(serverName(m_programName));
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(filePath.toUtf8() + '\n');
    socket.flush();
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readLine() == Accepted;
}

} // namespace Lumo
