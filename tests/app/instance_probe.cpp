// Test helper: takes the single-copy lock of the given name like a starting program would.
// It does not serve later copies: it runs no event loop.
// Prints "acquired" and holds the lock until its standard input is closed, or prints "refused"
// and exits with 1.
// With --squat LOCK-FILE SOCKET it plays another user's program that got there first: it holds
// the lock file, listens on the socket (open to everybody), answers "ok" to whatever it is sent,
// prints "squatting" and runs until it is killed.
#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cstdio>

namespace {
int squat(const QString &lockFile, const QString &socketName)
{
    QLockFile lock(lockFile);
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!lock.tryLock(0) || !server.listen(socketName)) {
        std::fprintf(stderr, "cannot squat: %s\n", qPrintable(server.errorString()));
        return 2;
    }
    QObject::connect(&server, &QLocalServer::newConnection, &server, [&server] {
        while (QLocalSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                socket->readAll();
                socket->write("ok\n");
            });
        }
    });
    std::puts("squatting");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--squat") == 0)
        return squat(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: instance_probe LOCK-NAME | --squat LOCK-FILE SOCKET\n");
        return 2;
    }
    Lumo::SingleInstance lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.tryAcquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("acquired");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
