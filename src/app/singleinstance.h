#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace Lumo {

// Holds the per-user lock that marks the program as running. A lock left behind by a copy that
// crashed is recognised (its process is gone) and taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &programName);

    // False when another running copy holds the lock.
    bool tryAcquire();

    static QString lockFilePath(const QString &programName);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace Lumo
