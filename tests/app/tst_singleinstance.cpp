#include "app/frmmdi.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "readings/numerology/frmkarmicdebtnumbermain.h"
#include "support/programfolders.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Lumo;
using namespace Lumo::Testing;

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

private:
    // Starts a probe and waits until it has tried the lock; returns its answer.
    QString startProbe(QProcess &probe);
    // Starts the program in a process of its own and waits until it serves later copies.
    bool startRunningCopy(QProcess &program);
    // Runs the program in a process of its own until it ends, while this process serves it;
    // returns what it printed.
    QString runLaterCopy(const QStringList &arguments, int *exitCode);

    QTemporaryDir m_dir;
    QString m_lockName;
};

void tst_SingleInstance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    keepProgramFilesIn(m_dir.path());
    // The program's processes and this one must meet under the program's name.
    setProgramIdentity();
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.kar")), annReading()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.txt")), annReading()));
}

void tst_SingleInstance::init()
{
    m_lockName = QStringLiteral("lumo-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
}

void tst_SingleInstance::cleanup()
{
    closeAllForms();
    QFile::remove(SingleInstance::lockFilePath(m_lockName));
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
    QTest::newRow("saved reading") << QStringList{"ann.kar"} << ""
                                   << "ANN: Virgo" << QStringList{};
    QTest::newRow("no file") << QStringList{} << "message: Application is already running\n"
                             << "" << QStringList{};
    QTest::newRow("refused file") << QStringList{"ann.txt"} << ""
                                  << "" << QStringList{"Please Check The File."};
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
    frmMDI *main = Forms::loaded<frmMDI>();
    main->OpenReading(1);
    // Another window has the focus: the request must bring the main window forward.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    int exitCode = -1;
    QCOMPARE(runLaterCopy(arguments, &exitCode), laterCopyOutput);
    QCOMPARE(exitCode, 0);

    QTRY_COMPARE(QApplication::activeWindow(), main);
    QCOMPARE(shownReading(), reading);
    QCOMPARE(desktop.messageHeadlines(), messages);
    // The open reading gives way only to a reading that opens; a refused file leaves it alone.
    QCOMPARE(Forms::loaded<frmKarmicDebtNumberMain>() != nullptr, reading.isEmpty());
}

void tst_SingleInstance::laterCopyShowsNoWindow_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no file") << "" << QStringList{"Application is already running"};
    QTest::newRow("saved reading") << "ann.kar" << QStringList{};
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
    QVERIFY(FormRegistry::loadedForms().isEmpty());
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
    QDialog modal(Forms::loaded<frmMDI>());
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

QTEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
