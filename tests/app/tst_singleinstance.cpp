#include "app/singleinstance.h"
#include "app/startup.h"
#include "forms/form.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUuid>

using namespace Lumo;
using namespace Lumo::Testing;

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void secondCopyIsRefusedAndAKilledCopyDoesNotBlock();
    void aCopyThatEndsReleasesTheLock();
    void startingWhileRunningShowsTheMessageAndNoWindow();

private:
    // Starts a probe and waits until it has tried the lock; returns its answer.
    QString startProbe(QProcess &probe);

    QString m_lockName;
};

void tst_SingleInstance::init()
{
    m_lockName = QStringLiteral("lumo-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
}

void tst_SingleInstance::cleanup()
{
    QFile::remove(SingleInstanceLock::lockFilePath(m_lockName));
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
    QVERIFY(QFile::exists(SingleInstanceLock::lockFilePath(m_lockName)));

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
    QVERIFY(!QFile::exists(SingleInstanceLock::lockFilePath(m_lockName)));

    SingleInstanceLock lock(m_lockName);
    QVERIFY(lock.tryAcquire());
    QProcess second;
    QCOMPARE(startProbe(second), QString("refused"));
    QVERIFY(second.waitForFinished(10000));
}

void tst_SingleInstance::startingWhileRunningShowsTheMessageAndNoWindow()
{
    m_lockName = programName();
    SingleInstanceLock running(m_lockName);
    QVERIFY(running.tryAcquire());
    ScriptedDesktop desktop;

    QCOMPARE(runProgram(*qApp), 0);

    QCOMPARE(desktop.messageTexts(), QStringList("Application is already running"));
    QCOMPARE(desktop.messages.first().icon, QMessageBox::Information);
    QCOMPARE(desktop.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(FormRegistry::loadedForms().isEmpty());
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
