#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace Lumo {

QString SingleInstanceLock::lockFilePath(const QString &programName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1Char('/') + programName + QStringLiteral(".lock");
}

SingleInstanceLock::SingleInstanceLock(const QString &programName)
    : m_lock(std::make_unique<QLockFile>(lockFilePath(programName)))
{
    // A running copy holds its lock for as long as it runs: never treat it as stale by age.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire()
{
    return m_lock->tryLock(0);
}

} // namespace Lumo
