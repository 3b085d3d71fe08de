#include "singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <sys/un.h>
#include <unistd.h>
#endif

namespace Lumo {

namespace {
// A request and its answer are each one frame: a 32-bit big-endian length, then that many bytes
// written by QDataStream. A request holds a version and the path (empty: only come forward); the
// answer holds whether the file was accepted and, if not, why. QString travels as UTF-16, so
// every path arrives whole, line feeds and names that are not UTF-8 included.
constexpr quint8 RequestVersion = 1;
constexpr quint32 LongestFrame = 64 * 1024;
constexpr int HeaderSize = 4;
constexpr auto StreamVersion = QDataStream::Qt_6_0;

QByteArray frame(const QByteArray &payload)
{
    QByteArray bytes(HeaderSize, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

// The payload of the first whole frame in the socket, once it has arrived; empty until then.
// Sets tooLong when the frame announces more than any request may hold.
QByteArray readFrame(QLocalSocket &socket, bool *tooLong)
{
    *tooLong = false;
    if (socket.bytesAvailable() < HeaderSize)
        return QByteArray();
    const quint32 length = qFromBigEndian<quint32>(socket.peek(HeaderSize).constData());
    if (length > LongestFrame) {
        *tooLong = true;
        return QByteArray();
    }
    if (socket.bytesAvailable() < HeaderSize + qint64(length))
        return QByteArray();
    socket.skip(HeaderSize);
    return socket.read(length);
}

bool isPrivate(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink())
        return false;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (info.permissions() & others)
        return false;
#ifdef Q_OS_UNIX
    return info.ownerId() == ::geteuid();
#else
    return true;
#endif
}

QString makePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        QDir().mkpath(info.absolutePath());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return isPrivate(folder) ? folder : QString();
}

QString socketFileName(const QString &programName)
{
    return programName + QStringLiteral(".socket");
}

// Whether the socket's path in the folder fits a Unix socket address, which holds about a
// hundred bytes and cannot reach a longer path at all. Besides the closing zero, Qt keeps one more
// byte free on Linux, where an address may also start with a zero: a path takes at most 106 bytes
// there, 103 on macOS.
bool socketFits(const QString &folder, const QString &programName)
{
#ifdef Q_OS_UNIX
#if defined(Q_OS_LINUX) || defined(Q_OS_ANDROID)
    constexpr qsizetype Spare = 2;
#else
    constexpr qsizetype Spare = 1;
#endif
    const QByteArray path =
        QFile::encodeName(folder + QLatin1Char('/') + socketFileName(programName));
    return path.size() + Spare <= qsizetype(sizeof(sockaddr_un::sun_path));
#else
    Q_UNUSED(folder);
    Q_UNUSED(programName);
    return true;
#endif
}

// The runtime folder, or else a folder of the program's own made private in the cache folder.
QString preferredFolder(const QString &programName)
{
    // Qt gives the runtime folder only when it is the user's own and closed to others.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    return makePrivateFolder(cache + QLatin1Char('/') + programName + QStringLiteral("-run"));
}

// A folder with a short path for a preferred folder whose path is too long for the socket: in the
// temporary folder (or /tmp, when that is long too), named after the user and the long path, so
// that every copy started with the same folders finds the same one. Empty when none can be had.
QString shortFolderFor(const QString &longFolder, const QString &programName)
{
#ifdef Q_OS_UNIX
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(longFolder), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
    const QString name = QStringLiteral("%1-%2-%3").arg(programName).arg(::geteuid()).arg(digest);
    for (const QString &base : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QString folder = base + QLatin1Char('/') + name;
        if (socketFits(folder, programName))
            return makePrivateFolder(folder);
    }
#else
    Q_UNUSED(longFolder);
    Q_UNUSED(programName);
#endif
    return QString();
}
} // namespace

QString SingleInstance::privateFolder(const QString &programName)
{
    const QString folder = preferredFolder(programName);
    if (folder.isEmpty() || socketFits(folder, programName))
        return folder;
    return shortFolderFor(folder, programName);
}

QString SingleInstance::lockFilePath(const QString &programName)
{
    const QString folder = privateFolder(programName);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + programName + ".lock";
}

QString SingleInstance::serverName(const QString &programName)
{
    const QString folder = privateFolder(programName);
    if (folder.isEmpty())
        return QString();
#ifdef Q_OS_UNIX
    return folder + QLatin1Char('/') + socketFileName(programName);
#else
    // Named pipes have no folder; the pipe is limited to the user by UserAccessOption.
    return programName + QLatin1Char('-') +
           QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(16));
#endif
}

SingleInstance::SingleInstance(const QString &programName)
    : m_programName(programName), m_folder(privateFolder(programName))
{
    if (!m_folder.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(lockFilePath(programName));
        // A running copy holds its lock for as long as it runs: never treat it as stale by age.
        m_lock->setStaleLockTime(0);
    }
}

// The socket goes before the lock: once the lock is free, the next copy may listen on the same
// path, and closing the server afterwards would remove that copy's socket.
SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

bool SingleInstance::hasPrivateFolder() const
{
    return !m_folder.isEmpty();
}

void SingleInstance::setFileCheck(std::function<QString(const QString &)> check)
{
    m_fileCheck = std::move(check);
}

bool SingleInstance::tryAcquire()
{
    if (!m_lock)
        return false;
    if (!m_lock->tryLock(0) && !(removeLockLeftUnderThisProcessId(*m_lock) && m_lock->tryLock(0)))
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

// Answers before anything is opened or shown, so that a message box in this copy never keeps
// a later copy waiting.
void SingleInstance::readRequest(QLocalSocket *socket)
{
    bool tooLong = false;
    const QByteArray payload = readFrame(*socket, &tooLong);
    if (tooLong) {
        socket->abort();
        return;
    }
    if (payload.isEmpty())
        return;
    QDataStream in(payload);
    in.setVersion(StreamVersion);
    quint8 version = 0;
    QString path;
    in >> version >> path;
    if (in.status() != QDataStream::Ok || version != RequestVersion) {
        socket->abort();
        return;
    }
    const QString refusal = path.isEmpty() || !m_fileCheck ? QString() : m_fileCheck(path);
    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << refusal.isEmpty() << refusal;
    socket->write(frame(answer));
    socket->disconnectFromServer();
    emit activationRequested(refusal.isEmpty() ? path : QString());
}

SingleInstance::HandOver SingleInstance::handOver(const QString &filePath,
                                                  const QDeadlineTimer &deadline)
{
    m_refusal.clear();
    const QString name = serverName(m_programName);
    if (name.isEmpty())
        return HandOver::NoRunningCopy;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(qMin<qint64>(deadline.remainingTime(), 1000))))
        return HandOver::NoRunningCopy;

    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << RequestVersion << filePath;
    socket.write(frame(request));
    socket.flush();

    bool tooLong = false;
    QByteArray answer;
    while ((answer = readFrame(socket, &tooLong)).isEmpty() && !tooLong) {
        if (socket.waitForReadyRead(int(deadline.remainingTime())))
            continue;
        // Ended without an answer: the running copy died; otherwise it is stuck.
        return socket.state() == QLocalSocket::ConnectedState && deadline.hasExpired()
                   ? HandOver::NoAnswer
                   : HandOver::NoRunningCopy;
    }
    QDataStream in(answer);
    in.setVersion(StreamVersion);
    bool accepted = false;
    in >> accepted >> m_refusal;
    if (tooLong || in.status() != QDataStream::Ok)
        return HandOver::NoRunningCopy;
    return accepted ? HandOver::Accepted : HandOver::Refused;
}

// QLockFile takes a lock as held while a process of its id and name runs; under this process's
// own id, that is this process. (A lock of an id that has gone, or that another program has now,
// it takes over by itself.) Removing the lock file fails while a running process holds its lock,
// so a program that runs under the same id in another sandbox keeps its lock.
bool removeLockLeftUnderThisProcessId(QLockFile &lock)
{
    qint64 processId = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&processId, &host, &application) &&
           processId == QCoreApplication::applicationPid() &&
           (host.isEmpty() || host == QSysInfo::machineHostName()) && lock.removeStaleLockFile();
}

} // namespace Lumo
