#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <optional>

#include <unistd.h>

namespace Lumo::Testing {

// A small tmpfs mounted on a new folder for the life of the object, to be filled up. Mounting
// needs root; skipReason says why not when it cannot be mounted.
struct FullFileSystem
{
    explicit FullFileSystem(const QString &folder) : folder(folder)
    {
        if (::geteuid() != 0) {
            skipReason = QStringLiteral("mounting a full file system needs root");
            return;
        }
        QDir().mkpath(folder);
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) == 0;
        if (!mounted)
            skipReason = QStringLiteral("a tmpfs could not be mounted here");
    }
    ~FullFileSystem()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {folder});
    }
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    // Writes a filler file until the file system has no room left, then gives back the last
    // `room` bytes (a multiple of the 4 KiB page): a longer write is then cut short part way,
    // rather than refused at its first byte.
    bool fill(qint64 room = 0) const
    {
        QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        qint64 size = 0;
        for (qint64 written; (written = filler.write(block)) > 0;)
            size += written;
        if (filler.error() == QFileDevice::NoError)
            return false;
        return room == 0 || (size >= room && filler.resize(size - room));
    }

    // The names in the folder, the filler's included.
    QStringList entries() const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString folder;
    QString skipReason;
    bool mounted = false;
};

// A file that a test then fails to write over, on a full file system: its folder becomes a small
// tmpfs, the earlier bytes are written, and the file system is filled up to `room` bytes left. A
// negative room places no file at all.
struct EarlierFile
{
    EarlierFile(const QString &fileName, const QByteArray &bytes, qint64 room)
        : fileName(fileName), bytes(bytes)
    {
        if (room < 0)
            return;
        full.emplace(QFileInfo(fileName).path());
        skipReason = full->skipReason;
        if (!skipReason.isEmpty())
            return;
        QFile file(fileName);
        ready = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        file.close();
        ready = ready && full->fill(room);
    }

    // The earlier file as it was, and no part of a new one beside it.
    bool untouched() const
    {
        if (!full)
            return true;
        QStringList expected{QStringLiteral("filler"), QFileInfo(fileName).fileName()};
        expected.sort(Qt::CaseInsensitive);
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) && file.readAll() == bytes &&
               full->entries() == expected;
    }

    QString fileName;
    QByteArray bytes;
    std::optional<FullFileSystem> full;
    QString skipReason;
    bool ready = true;
};

} // namespace Lumo::Testing
