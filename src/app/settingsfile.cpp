#include "settingsfile.h"

#include "common/filenames.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace Lumo {

namespace {

// The files the settings are read from in the user's configuration folder: the program's own and
// its organization's. Only where the settings live in such files; elsewhere they are in the
// system's own store (the registry, the preferences), which the program never opens as a file.
QStringList userSettingsFiles()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString organization = QCoreApplication::organizationName();
    return {folder + u'/' + organization + u'/' + QCoreApplication::applicationName() +
                QStringLiteral(".conf"),
            folder + u'/' + organization + QStringLiteral(".conf")};
#else
    return {};
#endif
}

// True for a file that is not there at all, or is a regular file or a link to one.
bool isRegularOrAbsent([[maybe_unused]] const QString &fileName)
{
#ifdef Q_OS_UNIX
    const QByteArray path = nativeFileName(fileName);
    struct stat status = {};
    if (::lstat(path.constData(), &status) != 0)
        return true;
    return ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return true;
#endif
}

// A settings format whose files are never read or written: what is set stays in memory, since a
// write that fails keeps it there.
QSettings::Format inMemoryFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("unsaved"), [](QIODevice &, QSettings::SettingsMap &) { return true; },
        [](QIODevice &, const QSettings::SettingsMap &) { return false; });
    return format;
}

// The lock file QSettings writes under, beside the settings file.
QString lockFileOf(const QString &settingsFile)
{
    return settingsFile + QStringLiteral(".lock");
}

// Leaves the settings files alone for the rest of the run: the settings stay in memory.
void leaveAlone(const QString &fileName)
{
    qWarning("%s: the settings file %s is not a regular file; it is left alone and the "
             "settings are not kept this time.",
             qPrintable(QCoreApplication::applicationName()),
             qPrintable(QDir::toNativeSeparators(fileNameForDisplay(fileName))));
    QSettings::setDefaultFormat(inMemoryFormat());
    // QSettings forgets the values of a file it never wrote once no settings object uses it: one
    // object is kept until the program ends.
    new QSettings(QCoreApplication::instance());
}

} // namespace

void checkSettingsFiles()
{
    const QStringList files = userSettingsFiles();
    for (const QString &file : files) {
        for (const QString &fileName : {file, lockFileOf(file)}) {
            if (!isRegularOrAbsent(fileName)) {
                leaveAlone(fileName);
                return;
            }
        }
    }
    // QSettings waits for a lock left by a copy that crashed until it is half a minute old.
    for (const QString &file : files) {
        QLockFile lock(lockFileOf(file));
        removeLockLeftUnderThisProcessId(lock);
    }
}

} // namespace Lumo
