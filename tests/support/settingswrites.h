#pragma once

#include <QFile>
#include <QSettings>

#include <sys/stat.h>

namespace Lumo::Testing {

// The identity of the program's settings file on the disk, 0 while there is none. Every write of
// the settings replaces the whole file, so a new identity shows that they were written.
inline ino_t settingsFileIdentity()
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(QSettings().fileName()).constData(), &status) == 0
               ? status.st_ino
               : 0;
}

} // namespace Lumo::Testing
