// Opening a link with the system's real opener (xdg-open) in a desktop with no browser, and in
// one where a registered handler takes web addresses.
#include "common/vendorpages.h"
#include "forms/desktop.h"
#include "forms/linkbutton.h"
#include "forms/vendorlinks.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Lumo;

namespace {

// The real desktop, except that message boxes are recorded instead of shown.
class RecordingDesktop : public SystemDesktop
{
public:
    RecordingDesktop() { Desktop::install(this); }
    ~RecordingDesktop() override { Desktop::install(nullptr); }
    QStringList messages;
    QMessageBox::StandardButton message(QWidget *, const QString &text, QMessageBox::Icon,
                                        QMessageBox::StandardButtons) override
    {
        messages.append(text);
        return QMessageBox::Ok;
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestWebOpener : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void linkClick_data();
    void linkClick();
    void endingProgramLetsTheOpenerFinish();

private:
    void registerHandler(const QByteArray &script);

    QTemporaryDir m_root;
};

// A desktop of its own: fresh home and XDG folders, no browser anywhere on the paths searched.
void TestWebOpener::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        QSKIP("xdg-open is not installed");
    QVERIFY(m_root.isValid());
    for (const char *folder : {"home", "data/applications", "config", "empty"})
        QVERIFY(QDir(m_root.path()).mkpath(QLatin1String(folder)));
    qputenv("HOME", QFile::encodeName(m_root.filePath("home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath("config")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_root.filePath("empty")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_root.filePath("empty")));
    qputenv("PATH", "/usr/bin:/bin");
    for (const char *name : {"BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        qunsetenv(name);
    for (const char *browser : {"x-www-browser", "firefox", "chromium", "www-browser", "lynx"})
        if (!QStandardPaths::findExecutable(QLatin1String(browser)).isEmpty())
            QSKIP("a web browser is installed on this machine");
}

void TestWebOpener::linkClick_data()
{
    QTest::addColumn<bool>("handlerRegistered");
    // clang-format off
    QTest::newRow("no browser")         << false;
    QTest::newRow("registered handler") << true;
    // clang-format on
}

void TestWebOpener::linkClick()
{
    QFETCH(bool, handlerRegistered);
    const QString received = m_root.filePath("received");
    QFile::remove(received);
    QFile::remove(m_root.filePath("config/mimeapps.list"));
    if (handlerRegistered)
        registerHandler("printf '%s' \"$1\" > '" + QFile::encodeName(received) + "'\n");

    RecordingDesktop desktop;
    LinkButton link;
    link.setObjectName(QStringLiteral("lblQuennetBanner"));
    link.setText(QStringLiteral("Visit the forum"));
    connectVendorLinks({{&link, Page::Home}});
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    QTest::mouseClick(&link, Qt::LeftButton);

    if (handlerRegistered) {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(received).size() > 0, 10000);
        QFile file(received);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString address = QString::fromUtf8(file.readAll());
        QVERIFY2(address.startsWith(QLatin1String("https://")), qPrintable(address));
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messages.join('\n')));
    } else {
        // The click returns at once; the message follows xdg-open's verdict.
        QTRY_COMPARE_WITH_TIMEOUT(desktop.messages.size(), 1, 10000);
        QVERIFY2(desktop.messages.constFirst().contains(QLatin1String("https://")),
                 qPrintable(desktop.messages.constFirst()));
        QVERIFY(!QFile::exists(received));
    }
}

// Makes a shell script the desktop's handler of https addresses; it gets the address as $1.
void TestWebOpener::registerHandler(const QByteArray &script)
{
    const QString file = m_root.filePath("handler.sh");
    writeFile(file, "#!/bin/sh\n" + script);
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(m_root.filePath("data/applications/test-handler.desktop"),
              "[Desktop Entry]\nType=Application\nName=Test handler\nExec=" +
                  QFile::encodeName(file) + " %u\nMimeType=x-scheme-handler/https;\n");
    writeFile(m_root.filePath("config/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/https=test-handler.desktop\n");
}

// A link clicked just before the program ends still reaches a handler that takes its time:
// xdg-open is not killed on the way out.
void TestWebOpener::endingProgramLetsTheOpenerFinish()
{
    const QString received = m_root.filePath("received");
    QFile::remove(received);
    registerHandler("sleep 1\nprintf '%s' \"$1\" > '" + QFile::encodeName(received) + "'\n");

    RecordingDesktop desktop;
    openWebPage(vendorPageUrl(Page::Home), nullptr);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCOMPARE(QCoreApplication::exec(), 0);

    QVERIFY2(QFileInfo(received).size() > 0, "the handler was stopped before it ran");
    QVERIFY(desktop.messages.isEmpty());
}

QTEST_MAIN(TestWebOpener)
#include "tst_webopener.moc"
