// The real program's support dialog, which stays above every window, on a desktop of its own
// (Xvfb, openbox, its own session bus) where no web browser opens: every message it raises shows
// above it and takes the keyboard, Return closes the message, and the dialog's Exit then ends the
// program. The controls are found as a screen reader finds them (AT-SPI) and clicked with the
// mouse.
#include "support/accessibletree.h"
#include "support/xdesktop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Lumo::Testing;

namespace {
const QString Application = QStringLiteral("LumoFreeTessaray");
constexpr int Timeout = XDesktop::Timeout;
} // namespace

class tst_SupportMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void messageGoesAboveTheDialog_data();
    void messageGoesAboveTheDialog();
    void exitEndsTheProgram();

private:
    QList<AccessibleNode> read();

    XDesktop m_desktop;
    NewUserHome m_home;
    QProcess m_program;
    QString m_dialog; // the support dialog's window
    QString m_readError;
};

void tst_SupportMessages::initTestCase()
{
    if (const QString missing = XDesktop::missingTool(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    if (!readsAccessibleTrees(QStringLiteral(PYTHON)))
        QSKIP("python3-pyatspi is not installed");

    QVERIFY(m_desktop.start(QStringLiteral("1366x768")));
    QVERIFY(m_home.isValid());
    QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("bin")));
    // An xdg-open that finds nothing to open addresses with, as on a desktop without a browser.
    QFile opener(m_home.filePath(QStringLiteral("bin/xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 3\n");
    opener.close();
    QVERIFY(opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QProcessEnvironment environment = m_home.programEnvironment(m_desktop);
    environment.insert(QStringLiteral("PATH"), m_home.filePath(QStringLiteral("bin")) + u':' +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(QStringLiteral(PROGRAM), {});
    QVERIFY(m_program.waitForStarted());

    // The main window's Exit (Alt+E) shows the support dialog.
    const QString mainWindow =
        m_desktop
            .xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                      QStringLiteral("--onlyvisible"), QStringLiteral("--class"), Application})
            .section(u'\n', 0, 0);
    QVERIFY(!mainWindow.isEmpty());
    m_desktop.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), mainWindow,
                       QStringLiteral("key"), QStringLiteral("alt+e")});
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_desktop.activeWindow().isEmpty() && m_desktop.activeWindow() != mainWindow, Timeout);
    m_dialog = m_desktop.activeWindow();
}

void tst_SupportMessages::cleanupTestCase()
{
    XDesktop::stop(m_program);
}

QList<AccessibleNode> tst_SupportMessages::read()
{
    m_readError.clear();
    return readAccessibleWindows(QStringLiteral(PYTHON), QStringLiteral(ATSPI_TREE), Application,
                                 m_desktop.environment(), &m_readError);
}

void tst_SupportMessages::messageGoesAboveTheDialog_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("name"); // empty: the dialog's only control of the role
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("forum check box") << "check box"   << "Yes, take me to the forum now!" << "No web browser could be opened for this page.";
    QTest::newRow("vendor link")     << "link"        << ""                               << "No web browser could be opened for this page.";
    QTest::newRow("referral check")  << "push button" << "Refer A Friend Now"             << "Please Enter Proper Email Address";
    // clang-format on
}

void tst_SupportMessages::messageGoesAboveTheDialog()
{
    QFETCH(QString, role);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QCOMPARE(m_desktop.activeWindow(), m_dialog);

    const AccessibleNode *control = nullptr;
    QList<AccessibleNode> windows;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            windows = read();
            for (const AccessibleNode &window : std::as_const(windows)) {
                control = window.find([&](const AccessibleNode &node) {
                    return node.role == role && (name.isEmpty() || node.name == name);
                });
                if (control)
                    return true;
            }
            return false;
        }(),
        Timeout);
    m_desktop.click(control->centre());

    QTRY_VERIFY_WITH_TIMEOUT(m_desktop.activeWindow() != m_dialog, Timeout);
    const QString box = m_desktop.activeWindow();
    QCOMPARE(m_desktop.transientFor(box), m_dialog);
    const QStringList stack = m_desktop.stackingOrder();
    QVERIFY2(stack.indexOf(box) > stack.indexOf(m_dialog),
             qPrintable(QStringLiteral("the message lies under the dialog: ") + stack.join(u' ')));
    // The active window is the message box, saying what went wrong.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const AccessibleNode &window : read()) {
                if (window.has("active") && window.find([&](const AccessibleNode &node) {
                        return node.role == QLatin1String("label") && node.name.startsWith(message);
                    }))
                    return true;
            }
            return false;
        }(),
        Timeout);

    m_desktop.key(QStringLiteral("Return"));
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop.activeWindow(), m_dialog, Timeout);
}

void tst_SupportMessages::exitEndsTheProgram()
{
    QCOMPARE(m_desktop.activeWindow(), m_dialog);
    m_desktop.key(QStringLiteral("alt+x"));
    QVERIFY(m_program.waitForFinished(Timeout));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_SupportMessages)
#include "tst_supportmessages.moc"
