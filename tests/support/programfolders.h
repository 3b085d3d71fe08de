#pragma once

#include <QFile>
#include <QStandardPaths>
#include <QString>

namespace Lumo::Testing {

// Keeps the single-copy lock (runtime folder), the local socket (temporary folder) and the
// settings of this test and of every program process it starts inside the given folder, away
// from the user's and from other test runs.
inline void keepProgramFilesIn(const QString &folder)
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    qputenv("TMPDIR", QFile::encodeName(folder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace Lumo::Testing
