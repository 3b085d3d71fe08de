// Test helper: takes the single-copy lock of the given name like a starting program would.
// It does not serve later copies: it runs no event loop.
// Prints "acquired" and holds the lock until its standard input is closed, or prints "refused"
// and exits with 1.
#include "app/singleinstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: instance_probe LOCK-NAME\n");
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
