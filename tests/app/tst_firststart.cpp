// Runs the real program on a real X server (Xvfb) under a window manager (openbox), as a new user
// with empty home and configuration folders, and drives it with the keyboard (xdotool) to its
// normal end through the support dialog.
#include "support/xdesktop.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

using namespace Lumo::Testing;

namespace {
const QString ProgramClass = QStringLiteral("LumoFreeTessaray");
const QString SettingsFile = QStringLiteral("config/LumoFreeTessaray/LumoFreeTessaray.conf");
constexpr int Timeout = XDesktop::Timeout;
} // namespace

class tst_FirstStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void settingsLiveInOneFile();
    void keyboardLeavesAReadingForTheWindowsControls();
    void windowPlacement_data();
    void windowPlacement();

private:
    QString xdotool(const QStringList &arguments) const { return m_desktop.xdotool(arguments); }
    QString startProgram();
    void endProgramNormally(const QString &mainWindow);
    QStringList filesUnderHome() const;
    QString settingsText() const;
    bool isMaximised(const QString &window) const;
    QRect windowGeometry(const QString &window) const;

    // With a session bus of its own, as a desktop session has one: without it, D-Bus's
    // autolaunch (dbus-x11) would start one and leave its files in the program's home folder.
    XDesktop m_desktop;
    std::unique_ptr<NewUserHome> m_home;
    QProcess m_program;
};

void tst_FirstStart::initTestCase()
{
    if (const QString missing = XDesktop::missingTool(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    QVERIFY(m_desktop.start(QStringLiteral("1920x1080")));
}

void tst_FirstStart::init()
{
    m_home = std::make_unique<NewUserHome>();
    QVERIFY(m_home->isValid());
}

void tst_FirstStart::cleanup()
{
    XDesktop::stop(m_program);
    m_home.reset();
}

// Starts the program and gives its main window's id once it shows.
QString tst_FirstStart::startProgram()
{
    m_program.setProcessEnvironment(m_home->programEnvironment(m_desktop));
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(QStringLiteral(PROGRAM), {});
    if (!m_program.waitForStarted())
        return QString();
    return xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                    QStringLiteral("--onlyvisible"), QStringLiteral("--class"), ProgramClass})
        .section(u'\n', 0, 0);
}

// The main window's Exit button (Alt+E), then the support dialog's Exit (Alt+X).
void tst_FirstStart::endProgramNormally(const QString &mainWindow)
{
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), mainWindow,
             QStringLiteral("key"), QStringLiteral("alt+e")});
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QString active = m_desktop.activeWindow();
            return !active.isEmpty() && active != mainWindow;
        }(),
        Timeout);
    m_desktop.key(QStringLiteral("alt+x"));
    QVERIFY(m_program.waitForFinished(Timeout));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
}

QStringList tst_FirstStart::filesUnderHome() const
{
    QStringList files;
    const QDir home(m_home->path());
    QDirIterator it(m_home->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << home.relativeFilePath(it.next());
    // The single-copy lock and socket live in the runtime folder.
    files.removeIf([](const QString &file) { return file.startsWith(QLatin1String("run/")); });
    return files;
}

QString tst_FirstStart::settingsText() const
{
    QFile file(m_home->filePath(SettingsFile));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void tst_FirstStart::settingsLiveInOneFile()
{
    const QString mainWindow = startProgram();
    QVERIFY(!mainWindow.isEmpty());
    endProgramNormally(mainWindow);

    QCOMPARE(filesUnderHome(), QStringList{SettingsFile});
    const QString text = settingsText();
    for (const char *line : {"^\\[Settings\\]$", "^ReminderDate=\\d{4}-\\d\\d-\\d\\d$",
                             "^MainWindowGeometry=@ByteArray\\("}) {
        const QRegularExpression pattern(QString::fromLatin1(line),
                                         QRegularExpression::MultilineOption);
        QVERIFY2(pattern.match(text).hasMatch(), qPrintable(line + (u'\n' + text)));
    }
    QVERIFY2(!text.contains(QLatin1String("WindowGeometry=@Rect")) &&
                 !text.contains(QLatin1String("WindowMaximized=")),
             qPrintable(text));
}

// Ctrl+4 opens a reading, which takes the focus. F6 brings it back to the first reading button,
// from which Tab runs along the other four (the start panel's readings hide with the panel) to
// Exit, and Space there closes the main window: the support dialog is left, and Alt+X ends.
void tst_FirstStart::keyboardLeavesAReadingForTheWindowsControls()
{
    const QString mainWindow = startProgram();
    QVERIFY(!mainWindow.isEmpty());
    const auto keys = [this, &mainWindow](const QStringList &names) {
        xdotool(QStringList{QStringLiteral("windowactivate"), QStringLiteral("--sync"), mainWindow,
                            QStringLiteral("key"), QStringLiteral("--delay"),
                            QStringLiteral("150")} +
                names);
    };
    keys({QStringLiteral("ctrl+4")});
    QTest::qWait(1000);
    keys({QStringLiteral("F6"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
          QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("space")});

    const auto visibleWindows = [this] {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--class"), ProgramClass})
            .split(u'\n', Qt::SkipEmptyParts);
    };
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindows().contains(mainWindow) && !visibleWindows().isEmpty(),
                             Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QString active = m_desktop.activeWindow();
            return !active.isEmpty() && active != mainWindow;
        }(),
        Timeout);
    m_desktop.key(QStringLiteral("alt+x"));
    QVERIFY(m_program.waitForFinished(Timeout));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
}

bool tst_FirstStart::isMaximised(const QString &window) const
{
    const QString state = m_desktop.run(
        QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_STATE")});
    return state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_HORZ")) &&
           state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_VERT"));
}

QRect tst_FirstStart::windowGeometry(const QString &window) const
{
    const QString shell =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    const auto value = [&shell](const char *name) {
        const QRegularExpression line(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(name)),
                                      QRegularExpression::MultilineOption);
        return line.match(shell).captured(1).toInt();
    };
    return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
}

// A new user gets the window filling the screen, which the banner and the captions centred on
// the screen's width are drawn for; a placement the user left comes back as it was, also from the
// settings an earlier version wrote, which the program then keeps in its own way. A place off the
// screen gives the designed width in the middle.
void tst_FirstStart::windowPlacement_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QSize>("size"); // a width alone: centred on the screen
    // clang-format off
    QTest::newRow("first start") << QByteArray() << true << QSize();
    QTest::newRow("left at 900x650") << QByteArray("[Settings]\nWindowGeometry=@Rect(200 150 900 650)\nWindowMaximized=false\n") << false << QSize(900, 650);
    QTest::newRow("left maximised") << QByteArray("[Settings]\nWindowGeometry=@Rect(200 150 900 650)\nWindowMaximized=true\n") << true << QSize();
    QTest::newRow("left off the screen") << QByteArray("[Settings]\nWindowGeometry=@Rect(5000 150 900 650)\nWindowMaximized=false\n") << false << QSize(792, 0);
    // clang-format on
}

void tst_FirstStart::windowPlacement()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, maximised);
    QFETCH(QSize, size);
    if (!settings.isEmpty()) {
        QVERIFY(QDir(m_home->path()).mkpath(QFileInfo(SettingsFile).path()));
        QFile file(m_home->filePath(SettingsFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }
    // The second start finds the place the first one kept.
    for (int start = 0; start < 2; ++start) {
        const QString mainWindow = startProgram();
        QVERIFY(!mainWindow.isEmpty());
        if (maximised) {
            QTRY_VERIFY_WITH_TIMEOUT(isMaximised(mainWindow), Timeout);
            QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(mainWindow).width(), 1920, Timeout);
        } else if (size.height() > 0) {
            QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(mainWindow).size(), size, Timeout);
            QVERIFY(!isMaximised(mainWindow));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(mainWindow).width(), size.width(), Timeout);
            QVERIFY(!isMaximised(mainWindow));
            const QRect geometry = windowGeometry(mainWindow);
            QVERIFY2(qAbs(geometry.center().x() - 960) <= 8,
                     qPrintable(QString::number(geometry.x())));
            QVERIFY2(geometry.top() >= 0 && geometry.bottom() < 1080,
                     qPrintable(QString::number(geometry.y())));
        }
        endProgramNormally(mainWindow);
        const QString text = settingsText();
        QVERIFY2(text.contains(QLatin1String("MainWindowGeometry=@ByteArray(")) &&
                     !text.contains(QLatin1String("WindowMaximized")),
                 qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(tst_FirstStart)
#include "tst_firststart.moc"
