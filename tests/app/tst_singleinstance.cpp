#include "app/frmmdi.h"
#include "app/frmnagscreen2.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/updatereminder.h"
#include "support/programfolders.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <optional>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {
// A saved reading born on the same day as Ann's, so its north node is in Virgo too.
QByteArray readingOf(const QString &name)
{
    return encodeKarFile(name, 5, QStringLiteral("May"), 1960);
}
} // namespace

// One running copy per user: the lock between processes, and the hand-over of a later copy's
// request (come forward, open a file) to the running copy.
class tst_SingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void secondCopyIsRefusedAndAKilledCopyDoesNotBlock();
    void aCopyThatEndsReleasesTheLock();
    void runningCopyTakesOverALaterCopysRequest_data();
    void runningCopyTakesOverALaterCopysRequest();
    void laterCopyShowsNoWindow_data();
    void laterCopyShowsNoWindow();
    void aKilledCopyDoesNotBlockTheNextStart();
    void aFileWaitsWhileAModalWindowIsOpen();
    void theSupportDialogComesForwardAfterTheMainWindow();
    void aFrozenRunningCopyIsNamedWithTheFile();
    void filesReachTheNextRunningCopyWhenTheRunningOneIsKilled();
    void anotherUserCannotTakeTheHandOverOrTheLock();
    void aCopyKilledInASandboxDoesNotLockTheNextOneOut_data();
    void aCopyKilledInASandboxDoesNotLockTheNextOneOut();
    void aSettingsLockLeftInASandboxDoesNotHoldTheNextStart();
    void aLongRuntimeFolderStillHandsOver_data();
    void aLongRuntimeFolderStillHandsOver();

private:
    // Starts a probe and waits until it has tried the lock; returns its answer.
    QString startProbe(QProcess &probe);
    // Starts the program in a process of its own and waits until it serves later copies.
    bool startRunningCopy(QProcess &program);
    // Waits until the program started serves later copies.
    bool waitUntilServing(QProcess &program);
    // Runs the program in a process of its own until it ends, while this process serves it;
    // returns what it printed.
    QString runLaterCopy(const QStringList &arguments, int *exitCode);
    // Sets or unsets an environment variable until cleanup.
    void setEnvironment(const char *name, const std::optional<QByteArray> &value);

    QTemporaryDir m_dir;
    QString m_lockName;
    qint64 m_stoppedProcess = 0;                                            // continued in cleanup
    QString m_otherUser;                                                    // removed in cleanup
    QList<QPair<QByteArray, std::optional<QByteArray>>> m_savedEnvironment; // put back in cleanup
};

void tst_SingleInstance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    keepProgramFilesIn(m_dir.path());
    // The program's processes and this one must meet under the program's name.
    setProgramIdentity();
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.kar")), annReading()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.txt")), annReading()));
    // A name with a line feed, and the files named by each of its lines.
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("x.kar")), annReading()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("y.kar")), readingOf("CAT")));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("x.kar\ny.kar")), readingOf("BOB")));
}

void tst_SingleInstance::init()
{
    m_lockName = QStringLiteral("lumo-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    // The update reminder starts afresh, so the program asks nothing as it starts.
    QSettings().remove(ReminderGroup + u'/' + ReminderValueName);
}

void tst_SingleInstance::cleanup()
{
    if (m_stoppedProcess)
        ::kill(pid_t(m_stoppedProcess), SIGCONT);
    m_stoppedProcess = 0;
    closeAllForms();
    QFile::remove(SingleInstance::lockFilePath(m_lockName));
    for (const auto &[name, value] : std::as_const(m_savedEnvironment)) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
    m_savedEnvironment.clear();
    QStandardPaths::setTestModeEnabled(true);
    if (!m_otherUser.isEmpty())
        QProcess::execute(QStringLiteral("userdel"), {QStringLiteral("-r"), m_otherUser});
    m_otherUser.clear();
}

void tst_SingleInstance::setEnvironment(const char *name, const std::optional<QByteArray> &value)
{
    m_savedEnvironment.append({name, qEnvironmentVariableIsSet(name)
                                         ? std::optional<QByteArray>(qgetenv(name))
                                         : std::nullopt});
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

QString tst_SingleInstance::startProbe(QProcess &probe)
{
    probe.start(QStringLiteral(INSTANCE_PROBE), {m_lockName});
    if (!probe.waitForStarted(10000))
        return QStringLiteral("not started");
    while (!probe.canReadLine() && probe.state() == QProcess::Running)
        probe.waitForReadyRead(10000);
    return QString::fromLatin1(probe.readLine()).trimmed();
}

bool tst_SingleInstance::startRunningCopy(QProcess &program)
{
    program.setWorkingDirectory(m_dir.path());
    program.start(QStringLiteral(PROGRAM_PROBE), QStringList());
    return waitUntilServing(program);
}

bool tst_SingleInstance::waitUntilServing(QProcess &program)
{
    QDeadlineTimer deadline(15000);
    QLocalSocket socket;
    while (!deadline.hasExpired() && program.state() != QProcess::NotRunning) {
        // A connection that sends nothing asks for nothing.
        socket.connectToServer(SingleInstance::serverName(programName()));
        if (socket.waitForConnected(100)) {
            socket.disconnectFromServer();
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

QString tst_SingleInstance::runLaterCopy(const QStringList &arguments, int *exitCode)
{
    QProcess program;
    program.setWorkingDirectory(m_dir.path());
    program.start(QStringLiteral(PROGRAM_PROBE), arguments);
    // The test's event loop serves the request while the later copy waits for the answer.
    if (!QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 15000)) {
        program.kill();
        program.waitForFinished();
    }
    *exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    // The request is served after the socket's answer; forms it unloaded go at once.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QString::fromLocal8Bit(program.readAllStandardOutput());
}

void tst_SingleInstance::secondCopyIsRefusedAndAKilledCopyDoesNotBlock()
{
    QProcess first;
    QCOMPARE(startProbe(first), QString("acquired"));

    QProcess second;
    QCOMPARE(startProbe(second), QString("refused"));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QVERIFY(second.exitCode() != 0);

    // A copy that crashes leaves its lock file behind.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(QFile::exists(SingleInstance::lockFilePath(m_lockName)));

    QProcess third;
    QCOMPARE(startProbe(third), QString("acquired"));
    third.closeWriteChannel();
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 0);
}

void tst_SingleInstance::aCopyThatEndsReleasesTheLock()
{
    QProcess first;
    QCOMPARE(startProbe(first), QString("acquired"));
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(!QFile::exists(SingleInstance::lockFilePath(m_lockName)));

    SingleInstance lock(m_lockName);
    QVERIFY(lock.tryAcquire());
    QProcess second;
    QCOMPARE(startProbe(second), QString("refused"));
    QVERIFY(second.waitForFinished(10000));
}

void tst_SingleInstance::runningCopyTakesOverALaterCopysRequest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("laterCopyOutput");
    QTest::addColumn<QString>("reading"); // the Karmic Astrology reading shown afterwards
    QTest::addColumn<QStringList>("messages");

    // The later copy starts in the folder that holds the files.
    // clang-format off
    QTest::newRow("saved reading")         << QStringList{"ann.kar"}      << ""                                        << "ANN: Virgo" << QStringList{};
    QTest::newRow("no file")               << QStringList{}               << "message: Application is already running" << ""           << QStringList{};
    // The later copy says it: the running copy refuses the file before it opens anything.
    QTest::newRow("refused file")          << QStringList{"ann.txt"}      << "message: Please Check The File."         << ""           << QStringList{};
    QTest::newRow("line feed in the name") << QStringList{"x.kar\ny.kar"} << ""                                        << "BOB: Virgo" << QStringList{};
    // clang-format on
}

void tst_SingleInstance::runningCopyTakesOverALaterCopysRequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, laterCopyOutput);
    QFETCH(QString, reading);
    QFETCH(QStringList, messages);

    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp);
    QVERIFY(running);
    frmMDI *main = loadedForm<frmMDI>();
    main->OpenReading(1);
    // Another window has the focus: the request must bring the main window forward.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    int exitCode = -1;
    // The first line says what the later copy was told, if anything.
    QCOMPARE(runLaterCopy(arguments, &exitCode).section(QLatin1Char('\n'), 0, 0), laterCopyOutput);
    QCOMPARE(exitCode, 0);

    QTRY_COMPARE(QApplication::activeWindow(), main);
    QCOMPARE(shownReading(), reading);
    QCOMPARE(desktop.messageHeadlines(), messages);
    // The open reading gives way only to a reading that opens; a refused file leaves it alone.
    QCOMPARE(loadedForm<InputForm>("frmKarmicDebtNumberMain") != nullptr, reading.isEmpty());
}

void tst_SingleInstance::laterCopyShowsNoWindow_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("messages");

    // clang-format off
    QTest::newRow("no file")       << ""        << QStringList{"Application is already running"};
    QTest::newRow("saved reading") << "ann.kar" << QStringList{};
    // clang-format on
}

void tst_SingleInstance::laterCopyShowsNoWindow()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, messages);

    QProcess runningCopy;
    QVERIFY(startRunningCopy(runningCopy));
    ScriptedDesktop desktop;

    const QString file = fileName.isEmpty() ? QString() : m_dir.filePath(fileName);
    QVERIFY(!startProgram(*qApp, file));

    QCOMPARE(desktop.messageTexts(), messages);
    for (const ScriptedDesktop::Message &message : std::as_const(desktop.messages)) {
        QCOMPARE(message.icon, QMessageBox::Information);
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QVERIFY(loadedForms().isEmpty());
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    QCOMPARE(runningCopy.state(), QProcess::Running);
    runningCopy.kill();
    runningCopy.waitForFinished();
}

void tst_SingleInstance::aKilledCopyDoesNotBlockTheNextStart()
{
    QProcess killed;
    QVERIFY(startRunningCopy(killed));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QVERIFY(QFile::exists(SingleInstance::lockFilePath(programName())));

    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp);
    QVERIFY(running);
    QVERIFY(desktop.messages.isEmpty());

    // The socket the killed copy left behind is this copy's now.
    int exitCode = -1;
    QCOMPARE(runLaterCopy({QStringLiteral("ann.kar")}, &exitCode), QString());
    QCOMPARE(exitCode, 0);
    QCOMPARE(shownReading(), QStringLiteral("ANN: Virgo"));
}

void tst_SingleInstance::aFileWaitsWhileAModalWindowIsOpen()
{
    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp);
    QVERIFY(running);
    QDialog modal(loadedForm<frmMDI>());
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();

    int exitCode = -1;
    QCOMPARE(runLaterCopy({QStringLiteral("ann.kar")}, &exitCode), QString());
    QCOMPARE(exitCode, 0);
    QTest::qWait(400);
    QCOMPARE(shownReading(), QString());

    modal.close();
    QTRY_COMPARE(shownReading(), QStringLiteral("ANN: Virgo"));
}

// Once the main window has closed, the support dialog is what a later copy brings forward.
void tst_SingleInstance::theSupportDialogComesForwardAfterTheMainWindow()
{
    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp);
    QVERIFY(running);
    QVERIFY(loadedForm<frmMDI>()->close());
    frmNagScreen2 *dialog = shownWindow<frmNagScreen2>();
    QVERIFY(dialog);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    int exitCode = -1;
    QCOMPARE(runLaterCopy({}, &exitCode),
             QStringLiteral("message: Application is already running\n"));
    QCOMPARE(exitCode, 0);
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
}

void tst_SingleInstance::aFrozenRunningCopyIsNamedWithTheFile()
{
    QProcess frozen;
    QVERIFY(startRunningCopy(frozen));
    QCOMPARE(::kill(pid_t(frozen.processId()), SIGSTOP), 0);
    m_stoppedProcess = frozen.processId();

    int exitCode = -1;
    const QString output = runLaterCopy({QStringLiteral("ann.kar")}, &exitCode);
    QCOMPARE(output, QStringLiteral("message: The program is already running but does not "
                                    "answer.\nThis file could not be handed to it: %1\n")
                         .arg(m_dir.filePath(QStringLiteral("ann.kar"))));
    QCOMPARE(exitCode, 1);
    frozen.kill();
}

void tst_SingleInstance::filesReachTheNextRunningCopyWhenTheRunningOneIsKilled()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMO_PROBE_REPORT_NAMES"), QStringLiteral("1"));
    QProcess running;
    running.setProcessEnvironment(environment);
    QVERIFY(startRunningCopy(running));
    // Stopped, it takes connections but answers none: the later copies are in the middle of
    // their hand-over when it dies.
    QCOMPARE(::kill(pid_t(running.processId()), SIGSTOP), 0);
    m_stoppedProcess = running.processId();

    constexpr int LaterCopies = 20;
    QSet<QString> names;
    std::vector<std::unique_ptr<QProcess>> laterCopies;
    for (int i = 0; i < LaterCopies; ++i) {
        const QString name = QStringLiteral("A%1N").arg(QChar(u'A' + i));
        names.insert(name);
        const QString file = m_dir.filePath(name + QStringLiteral(".kar"));
        QVERIFY(writeFile(file, readingOf(name)));
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(environment);
        copy->start(QStringLiteral(PROGRAM_PROBE), {file});
        laterCopies.push_back(std::move(copy));
    }
    // Killed once several later copies wait for its answer. The system lists each connection
    // it has not taken next to the listening socket, under the path that was bound, which is in
    // the folder of the lock (Qt binds in a folder of its own there before it renames the socket).
    const QByteArray folder =
        QFile::encodeName(QFileInfo(SingleInstance::lockFilePath(programName())).absolutePath());
    const auto socketsInFolder = [&folder] {
        QFile table(QStringLiteral("/proc/net/unix"));
        if (!table.open(QIODevice::ReadOnly))
            return -1;
        return int(table.readAll().count(" " + folder + "/"));
    };
    QTRY_VERIFY_WITH_TIMEOUT(socketsInFolder() > 5, 8000);
    running.kill();
    QVERIFY(running.waitForFinished(10000));

    // All but one end; that one is the running copy now and opens every file.
    const auto stillRunning = [&] {
        return std::count_if(laterCopies.begin(), laterCopies.end(), [](const auto &copy) {
            return copy->state() != QProcess::NotRunning;
        });
    };
    QTRY_COMPARE_WITH_TIMEOUT(stillRunning(), 1, 60000);
    QProcess *newRunning = nullptr;
    for (const auto &copy : laterCopies) {
        if (copy->state() != QProcess::NotRunning) {
            newRunning = copy.get();
            continue;
        }
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(copy->readAllStandardOutput()), QString());
    }
    QSet<QString> opened;
    QStringList otherOutput;
    const auto readOpened = [&] {
        while (newRunning->canReadLine()) {
            const QString line = QString::fromLocal8Bit(newRunning->readLine()).trimmed();
            if (line.startsWith(QStringLiteral("name: ")))
                opened.insert(line.mid(6));
            else
                otherOutput.append(line);
        }
        return opened;
    };
    QTRY_COMPARE_WITH_TIMEOUT(readOpened(), names, 20000);
    QVERIFY2(otherOutput.isEmpty(), qPrintable(otherOutput.join(u'|')));
    newRunning->kill();
    newRunning->waitForFinished();
}

void tst_SingleInstance::anotherUserCannotTakeTheHandOverOrTheLock()
{
    if (::geteuid() != 0)
        QSKIP("Needs root to add a second account with useradd.");
    m_otherUser = QStringLiteral("lumosq%1").arg(QCoreApplication::applicationPid());
    QCOMPARE(QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("-m"), m_otherUser}), 0);

    // A shared temporary folder like /tmp, and a home of this user's own without a runtime folder.
    QTemporaryDir shared(QStringLiteral("/tmp/lumo-shared-XXXXXX"));
    QVERIFY(shared.isValid());
    QCOMPARE(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    const QString home = m_dir.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    setEnvironment("TMPDIR", QFile::encodeName(shared.path()));
    setEnvironment("HOME", QFile::encodeName(home));
    setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    setEnvironment("XDG_CACHE_HOME", std::nullopt);
    QStandardPaths::setTestModeEnabled(false);

    // The other user got there first: the runtime folder Qt would make in the shared folder,
    // the lock file and the socket named as they would be there.
    QProcess squatter;
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(shared.path().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
    squatter.start(QStringLiteral("setpriv"),
                   {QStringLiteral("--reuid=") + m_otherUser,
                    QStringLiteral("--regid=") + m_otherUser, QStringLiteral("--init-groups"),
                    QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("mkdir -m 700 \"$0/runtime-root\" && exec \"$@\""),
                    shared.path(), QStringLiteral(INSTANCE_PROBE), QStringLiteral("--squat"),
                    shared.filePath(programName() + QStringLiteral(".lock")),
                    shared.filePath(programName() + QLatin1Char('-') + digest)});
    QVERIFY(squatter.waitForReadyRead(10000));
    QCOMPARE(squatter.readLine().trimmed(), QByteArray("squatting"));

    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running =
        startProgram(*qApp, m_dir.filePath(QStringLiteral("x.kar")));
    QVERIFY(running);
    QCOMPARE(desktop.messageTexts(), QStringList());
    QCOMPARE(shownReading(), QStringLiteral("ANN: Virgo"));

    // A later copy of this user reaches this copy, not the other user's.
    int exitCode = -1;
    QCOMPARE(runLaterCopy({QStringLiteral("y.kar")}, &exitCode), QString());
    QCOMPARE(exitCode, 0);
    QTRY_COMPARE(shownReading(), QStringLiteral("CAT: Virgo"));
    squatter.kill();
    squatter.waitForFinished();
}

void tst_SingleInstance::aCopyKilledInASandboxDoesNotLockTheNextOneOut_data()
{
    QTest::addColumn<bool>("underShell"); // the next start runs under a shell that has id 1

    // clang-format off
    QTest::newRow("the same process id again")   << false;
    QTest::newRow("another program has the id") << true;
    // clang-format on
}

// A sandbox gives the program the same low process id at every start: a lock left by a copy
// killed there names the next copy's own id, or a process that is not the program.
void tst_SingleInstance::aCopyKilledInASandboxDoesNotLockTheNextOneOut()
{
    QFETCH(bool, underShell);
    if (::geteuid() != 0)
        QSKIP("Needs root for a PID namespace (unshare --pid).");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMO_PROBE_REPORT_NAMES"), QStringLiteral("1"));
    // The program as process 1 of a PID namespace of its own (or under a shell that is), killed
    // with the unshare process that started it.
    const auto startSandboxed = [&](QProcess &program, const QStringList &arguments,
                                    bool shellFirst) {
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(m_dir.path());
        QStringList command{"--pid", "--fork", "--mount-proc", "--kill-child"};
        if (shellFirst)
            command << "sh"
                    << "-c"
                    << "\"$0\" \"$@\"; exit $?";
        command << QStringLiteral(PROGRAM_PROBE) << arguments;
        program.start(QStringLiteral("unshare"), command);
    };
    const auto serving = [] {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::serverName(programName()));
        return socket.waitForConnected(100);
    };

    // Killed once its start is done, with a reading on screen.
    QProcess killed;
    QString printed;
    const auto printedBy = [&printed](QProcess &program) {
        return printed += QString::fromLocal8Bit(program.readAll());
    };
    startSandboxed(killed, {QStringLiteral("ann.kar")}, false);
    QTRY_VERIFY_WITH_TIMEOUT(printedBy(killed).contains(QStringLiteral("name: ANN\n")), 20000);
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QTRY_VERIFY(!serving());
    QFile lock(SingleInstance::lockFilePath(programName()));
    QVERIFY(lock.open(QIODevice::ReadOnly));
    QCOMPARE(lock.readLine().trimmed(), QByteArray("1")); // the process id it names
    lock.close();

    // The next start takes the lock at once and shows the file it was given.
    QProcess next;
    printed.clear();
    QElapsedTimer clock;
    clock.start();
    startSandboxed(next, {QStringLiteral("y.kar")}, underShell);
    QTRY_VERIFY_WITH_TIMEOUT(printedBy(next).contains(QStringLiteral("name: CAT\n")), 20000);
    qInfo("The next start showed its reading after %lld ms.", clock.elapsed());
    QVERIFY2(clock.elapsed() < 8000, "the next start waited for the killed copy");

    // A later copy, process 1 of a sandbox of its own too, hands its file to the running one.
    QProcess later;
    startSandboxed(later, {QStringLiteral("x.kar\ny.kar")}, false);
    QVERIFY(later.waitForFinished(20000));
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(later.readAllStandardOutput(), QByteArray());
    QTRY_VERIFY_WITH_TIMEOUT(printedBy(next).contains(QStringLiteral("name: BOB\n")), 10000);
    QCOMPARE(printed, QStringLiteral("name: CAT\nname: BOB\n"));
    next.kill();
    next.waitForFinished();
    // The program dies just after unshare: gone once it takes no more connections.
    QTRY_VERIFY(!serving());
    QFile::remove(SingleInstance::lockFilePath(programName()));
}

// A copy killed in a sandbox while it saved its settings leaves the settings' lock under the
// process id the next copy there gets.
void tst_SingleInstance::aSettingsLockLeftInASandboxDoesNotHoldTheNextStart()
{
    if (::geteuid() != 0)
        QSKIP("Needs root for a PID namespace (unshare --pid).");
    const QStringList sandbox{"--pid", "--fork", "--mount-proc", "--kill-child"};

    // The lock is taken by process 1 of a PID namespace, killed with it. QLockFile names the
    // program that took a lock by its file name, so the helper that takes it is copied under the
    // program's file name: the lock it leaves is the one a copy killed while it saved leaves.
    const QString settings =
        m_dir.filePath(QStringLiteral("config/LumoFreeTessaray/LumoFreeTessaray.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
    QFile::remove(settings);
    const QString holder = m_dir.filePath("bin/" + QFileInfo(PROGRAM_PROBE).fileName());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("bin"))));
    QVERIFY(QFile::copy(QStringLiteral(INSTANCE_PROBE), holder));
    QProcess killed;
    killed.start(QStringLiteral("unshare"),
                 sandbox + QStringList{holder, "--squat", settings + ".lock",
                                       m_dir.filePath(QStringLiteral("holder.socket"))});
    QVERIFY(killed.waitForReadyRead(10000));
    QCOMPARE(killed.readLine().trimmed(), QByteArray("squatting"));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QVERIFY(QFile::exists(settings + ".lock"));

    // The program starts as process 1 of a namespace of its own, saves its first settings, shows
    // its reading and ends.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMO_PROBE_SHOW_READING"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_dir.path());
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral("unshare"),
                  sandbox + QStringList{QStringLiteral(PROGRAM_PROBE), QStringLiteral("ann.kar")});
    QVERIFY(program.waitForFinished(60000));
    qInfo("The program started and ended in %lld ms.", clock.elapsed());
    QCOMPARE(program.readAllStandardOutput(), QByteArray("reading: ANN: Virgo\n"));
    QVERIFY2(clock.elapsed() < 10000, "the start waited for the settings' lock");
    QFile saved(settings);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("ReminderDate="));
}

// A Unix socket's path holds about a hundred bytes: where the runtime folder's path is longer,
// the lock and the socket go to a short private folder instead. Qt listens on Linux at a path of
// at most 106 bytes.
void tst_SingleInstance::aLongRuntimeFolderStillHandsOver_data()
{
    const int socketName = int(QFile::encodeName("/" + programName() + ".socket").size());
    QTest::addColumn<int>("runtimeLength");
    QTest::newRow("socket path of 107 bytes") << 107 - socketName;
    QTest::newRow("runtime folder of 120 bytes") << 120;
}

void tst_SingleInstance::aLongRuntimeFolderStillHandsOver()
{
    QFETCH(int, runtimeLength);
    const auto longFolder = [this](const QString &start, int length) {
        const QString folder = m_dir.filePath(start);
        return folder + QString(length - folder.size(), u'x');
    };
    // Each row's program makes a private folder of its own; an earlier row's goes first.
    for (const QString &earlier : QDir(m_dir.path()).entryList({programName() + "-*"}, QDir::Dirs))
        QVERIFY(QDir(m_dir.filePath(earlier)).removeRecursively());
    const QString runtime = longFolder(QStringLiteral("runtime-"), runtimeLength);
    const QString home = longFolder(QStringLiteral("home-"), 100);
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QDir().mkpath(home));
    setEnvironment("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    setEnvironment("HOME", QFile::encodeName(home));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMO_PROBE_REPORT_NAMES"), QStringLiteral("1"));
    QProcess running;
    running.setProcessEnvironment(environment);
    running.setWorkingDirectory(m_dir.path());
    running.start(QStringLiteral(PROGRAM_PROBE), {QStringLiteral("ann.kar")});
    QVERIFY(waitUntilServing(running));
    // Its start done, with a reading on screen.
    QString printed;
    const auto runningPrinted = [&] {
        return printed += QString::fromLocal8Bit(running.readAll());
    };
    QTRY_VERIFY_WITH_TIMEOUT(runningPrinted().contains(QStringLiteral("name: ANN\n")), 20000);

    // The socket is in a folder of the program's own in the temporary folder: private to this
    // user, a real folder, and short enough for the socket's path.
    const QStringList folders = QDir(m_dir.path()).entryList({programName() + "-*"}, QDir::Dirs);
    QCOMPARE(folders.size(), 1);
    const QFileInfo folder(m_dir.filePath(folders.first()));
    QVERIFY(!folder.isSymLink());
    QCOMPARE(folder.ownerId(), ::geteuid());
    QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray socket =
        QFile::encodeName(folder.filePath() + "/" + programName() + ".socket");
    struct stat status = {};
    QCOMPARE(::stat(socket.constData(), &status), 0);
    QVERIFY(S_ISSOCK(status.st_mode));
    QVERIFY2(socket.size() <= 106, socket.constData());

    // A later copy's hand-over, timed on its own, and then a later copy as the user starts one.
    SingleInstance laterCopy(programName());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(laterCopy.handOver(m_dir.filePath(QStringLiteral("y.kar")), QDeadlineTimer(10000)),
             SingleInstance::HandOver::Accepted);
    qInfo("The file was handed over in %lld ms.", clock.elapsed());
    QVERIFY2(clock.elapsed() < 1000, "the hand-over took a second or more");
    QTRY_VERIFY_WITH_TIMEOUT(runningPrinted().contains(QStringLiteral("name: CAT\n")), 10000);
    QProcess later;
    later.setProcessEnvironment(environment);
    later.setWorkingDirectory(m_dir.path());
    later.start(QStringLiteral(PROGRAM_PROBE), {QStringLiteral("x.kar\ny.kar")});
    QVERIFY(later.waitForFinished(15000));
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(later.readAllStandardOutput(), QByteArray());
    QTRY_VERIFY_WITH_TIMEOUT(runningPrinted().contains(QStringLiteral("name: BOB\n")), 10000);
    QCOMPARE(printed, QStringLiteral("name: ANN\nname: CAT\nname: BOB\n"));
    running.kill();
    running.waitForFinished();
}

QTEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
