// The program started with a settings file that is not a regular file: it starts at once with
// its defaults, says so once on standard error, and leaves the file and whatever a link points to
// as they were.
#include "app/settingsfile.h"
#include "app/startup.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {
const QString SettingsFile = QStringLiteral("config/LumoFreeTessaray/LumoFreeTessaray.conf");
const QString OrganizationFile = QStringLiteral("config/LumoFreeTessaray.conf");

enum class Kind { Fifo, Folder, Device, Regular, Nothing };

// What a path is, as the system says: the kind of object, a link's target, a device's numbers, a
// folder's entries, a file's bytes.
QString described(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(native.constData(), &status) != 0)
        return QStringLiteral("nothing");
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("link to %1: %2")
            .arg(QFile::symLinkTarget(path), described(QFile::symLinkTarget(path)));
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("FIFO");
    if (S_ISCHR(status.st_mode))
        return QStringLiteral("device %1:%2").arg(major(status.st_rdev)).arg(minor(status.st_rdev));
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("folder of ") +
               QDir(path)
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                   .join(u',');
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? "file: " + QString::fromLatin1(file.readAll().toHex())
                                          : QStringLiteral("unreadable file");
}
} // namespace

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void startsWithoutTouchingIt_data();
    void startsWithoutTouchingIt();
    void settingsLastUntilTheEnd();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Makes an object of that kind at the path (a device needs root).
    bool make(const QString &name, Kind kind);

    std::optional<QTemporaryDir> m_dir;
};

void tst_SettingsFile::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path("config/LumoFreeTessaray")));
    QVERIFY(QDir().mkpath(path("elsewhere/folder")));
    QVERIFY(writeFile(path("elsewhere/folder/keep.txt"), "kept"));
    QVERIFY(QDir().mkdir(path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(writeFile(path("ann.kar"), annReading()));
}

bool tst_SettingsFile::make(const QString &name, Kind kind)
{
    const QByteArray native = QFile::encodeName(path(name));
    switch (kind) {
    case Kind::Fifo:
        return ::mkfifo(native.constData(), 0600) == 0;
    case Kind::Folder:
        return QDir().mkdir(path(name));
    case Kind::Device: // the numbers of /dev/zero, in this test's own folder
        return ::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    case Kind::Regular:
        return writeFile(path(name), "[Settings]\nLastFolder=/home\n");
    case Kind::Nothing:
        return true;
    }
    return false;
}

void tst_SettingsFile::startsWithoutTouchingIt_data()
{
    QTest::addColumn<QString>("file");   // the settings file in question
    QTest::addColumn<Kind>("kind");      // what it is, or what its link points to
    QTest::addColumn<bool>("linked");    // a link to an object in another folder
    QTest::addColumn<bool>("leftAlone"); // false: a regular file, used as usual

    // clang-format off
    QTest::newRow("FIFO")                      << SettingsFile     << Kind::Fifo    << false << true;
    QTest::newRow("link to a FIFO")            << SettingsFile     << Kind::Fifo    << true  << true;
    QTest::newRow("folder")                    << SettingsFile     << Kind::Folder  << false << true;
    QTest::newRow("link to a folder")          << SettingsFile     << Kind::Folder  << true  << true;
    QTest::newRow("device")                    << SettingsFile     << Kind::Device  << false << true;
    QTest::newRow("link to a device")          << SettingsFile     << Kind::Device  << true  << true;
    QTest::newRow("link to nothing")           << SettingsFile     << Kind::Nothing << true  << true;
    QTest::newRow("organization's file, FIFO") << OrganizationFile << Kind::Fifo    << false << true;
    QTest::newRow("settings lock, FIFO")       << SettingsFile + ".lock" << Kind::Fifo << false << true;
    QTest::newRow("link to a regular file")    << SettingsFile     << Kind::Regular << true  << false;
    // clang-format on
}

void tst_SettingsFile::startsWithoutTouchingIt()
{
    QFETCH(QString, file);
    QFETCH(Kind, kind);
    QFETCH(bool, linked);
    QFETCH(bool, leftAlone);
    if (kind == Kind::Device && ::geteuid() != 0)
        QSKIP("Needs root to make a device node (mknod).");

    const QString object = linked ? QStringLiteral("elsewhere/object") : file;
    if (kind == Kind::Folder && linked)
        QVERIFY(QFile::link(path("elsewhere/folder"), path(file)));
    else if (linked)
        QVERIFY(QFile::link(path(object), path(file)));
    if (!(kind == Kind::Folder && linked))
        QVERIFY(make(object, kind));
    const QString before = described(path(file));
    const QString elsewhereBefore = described(path("elsewhere"));
    const QString configBefore = described(path("config/LumoFreeTessaray"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", path("config"));
    environment.insert("XDG_RUNTIME_DIR", path("run"));
    environment.insert("TMPDIR", m_dir->path());
    environment.insert("LUMO_PROBE_SHOW_READING", "1");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_dir->path());
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(PROGRAM_PROBE), {QStringLiteral("ann.kar")});
    if (!program.waitForFinished(15000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the start hung on the settings file");
    }
    qInfo("The program started, showed its reading and ended in %lld ms.", clock.elapsed());

    // It started with the reading it was given.
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("reading: ANN: Virgo\n"));
    const QStringList said = QString::fromLocal8Bit(program.readAllStandardError())
                                 .split(u'\n')
                                 .filter(QStringLiteral("settings"));
    if (!leftAlone) {
        // Used as usual: the first start's reminder date is written through the link.
        QCOMPARE(said, QStringList());
        QVERIFY(QFileInfo(path(file)).isSymLink());
        QVERIFY2(described(path(object)).contains(QByteArray("ReminderDate").toHex()),
                 qPrintable(described(path(object))));
        return;
    }
    QCOMPARE(described(path(file)), before);
    QCOMPARE(described(path("elsewhere")), elsewhereBefore);
    QCOMPARE(described(path("config/LumoFreeTessaray")), configBefore);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(path(file)), qPrintable(said.first()));
}

// In this process, for the rest of its run: the settings file is a FIFO. What is set meanwhile
// is there when next asked for, as the folder of the last file chosen is.
void tst_SettingsFile::settingsLastUntilTheEnd()
{
    QVERIFY(make(SettingsFile, Kind::Fifo));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
    setProgramIdentity();
    checkSettingsFiles();

    ScriptedDesktop desktop;
    desktop.fileNames.enqueue(path("elsewhere/folder/ann.kar"));
    QCOMPARE(askSaveFileName(nullptr, {}), path("elsewhere/folder/ann.kar"));
    askOpenFileName(nullptr, {});
    QCOMPARE(desktop.fileRequests.size(), 2);
    QCOMPARE(QDir(desktop.fileRequests[1].folder), QDir(path("elsewhere/folder")));
    QCOMPARE(described(path(SettingsFile)), QStringLiteral("FIFO"));
}

QTEST_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"
