#pragma once

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace Lumo::Testing {

// A desktop of a test's own on which the real program runs: an X server (Xvfb) on a display it
// picks, a window manager (openbox), a session bus, and the X tools (xdotool, xprop) run on that
// display.
class XDesktop
{
public:
    static constexpr int Timeout = 20000;

    ~XDesktop()
    {
        stop(m_bus);
        stop(m_windowManager);
        stop(m_server);
    }

    // What is missing to run one (a tool not installed), or an empty text.
    static QString missingTool()
    {
        for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "dbus-daemon"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
        }
        return QString();
    }

    // Starts the server, the window manager and the bus; false when one does not come up.
    bool start(const QString &screen)
    {
        // The server picks a free display and writes its number on standard output.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        screen + QStringLiteral("x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (!m_server.waitForStarted() ||
            !QTest::qWaitFor([&] { return m_server.canReadLine(); }, Timeout))
            return false;
        m_display = u':' + QString::fromLatin1(m_server.readLine().trimmed());

        // A window mapped before the window manager has taken the screen is not managed as a
        // desktop would manage it, so wait until it announces itself. Openbox has been seen to
        // end at once now and then when several servers start together: start it again.
        m_windowManager.setProcessEnvironment(environment());
        m_windowManager.setProcessChannelMode(QProcess::MergedChannels);
        for (int attempt = 0; attempt < 3 && !windowManagerReady(); ++attempt) {
            m_windowManager.start(QStringLiteral("openbox"), {});
            if (!m_windowManager.waitForStarted())
                return false;
            const bool settled = QTest::qWaitFor(
                [&] {
                    return windowManagerReady() || m_windowManager.state() == QProcess::NotRunning;
                },
                Timeout);
            if (!settled)
                return false;
        }
        return windowManagerReady() && startSessionBus();
    }

    // The test's own environment, on this desktop's display and bus.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        if (!m_busAddress.isEmpty())
            environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
        return environment;
    }

    // Runs an X tool on the display and gives what it printed.
    QString run(const QString &tool, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(tool, arguments);
        if (!process.waitForFinished(Timeout)) {
            stop(process);
            return QString();
        }
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    QString xdotool(const QStringList &arguments) const
    {
        return run(QStringLiteral("xdotool"), arguments);
    }

    // The window that has the keyboard, or an empty text.
    QString activeWindow() const { return xdotool({QStringLiteral("getactivewindow")}); }

    // The windows from the bottom of the stack to the top, as numbers.
    QStringList stackingOrder() const
    {
        const QString list =
            run(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        QStringList windows;
        for (const QString &id : list.section(u'#', 1).split(u',', Qt::SkipEmptyParts))
            windows.append(QString::number(id.trimmed().toULongLong(nullptr, 16)));
        return windows;
    }

    // The window the given one is a dialog of, as a number, or an empty text.
    QString transientFor(const QString &window) const
    {
        const QString property = run(QStringLiteral("xprop"), {QStringLiteral("-id"), window,
                                                               QStringLiteral("WM_TRANSIENT_FOR")});
        const QRegularExpression id(QStringLiteral("(0x[0-9a-f]+)"));
        const QString hex = id.match(property).captured(1);
        return hex.isEmpty() ? QString() : QString::number(hex.toULongLong(nullptr, 16));
    }

    // Clicks the left button at a point of the screen.
    void click(QPoint point) const
    {
        xdotool({QStringLiteral("mousemove"), QString::number(point.x()),
                 QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
    }

    // Presses keys (xdotool's names: "Return", "alt+x") in the window that has the keyboard.
    void key(const QString &keys) const { xdotool({QStringLiteral("key"), keys}); }

    static void stop(QProcess &process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }

private:
    // The bus starts the services asked for on it (the accessibility bus among them) with its own
    // environment. They keep their sockets in the runtime folder, which is the desktop's own, so
    // that they meet neither the user's desktop nor another test's.
    bool startSessionBus()
    {
        if (!m_runtime.isValid())
            return false;
        QProcessEnvironment environment = this->environment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_bus.setProcessEnvironment(environment);
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address=1")});
        if (!m_bus.waitForStarted() ||
            !QTest::qWaitFor([&] { return m_bus.canReadLine(); }, Timeout))
            return false;
        m_busAddress = QString::fromUtf8(m_bus.readLine().trimmed());
        return !m_busAddress.isEmpty();
    }

    bool windowManagerReady() const
    {
        return run(QStringLiteral("xprop"),
                   {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QLatin1String("window id"));
    }

    QProcess m_server;
    QProcess m_windowManager;
    QProcess m_bus;
    QTemporaryDir m_runtime;
    QString m_display;
    QString m_busAddress;
};

// The empty folders of a new user, in which the real program starts on a desktop of a test's own:
// a home folder, its configuration folder and a runtime folder closed to others.
class NewUserHome
{
public:
    NewUserHome()
    {
        m_valid = m_home.isValid() && QDir(m_home.path()).mkpath(QStringLiteral("run")) &&
                  QFile::setPermissions(filePath(QStringLiteral("run")),
                                        QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    }

    bool isValid() const { return m_valid; }
    QString path() const { return m_home.path(); }
    QString filePath(const QString &name) const { return m_home.filePath(name); }

    // The program's environment on the desktop (its display and bus, Qt's X11 platform) with
    // this user's folders.
    QProcessEnvironment programEnvironment(const XDesktop &desktop) const
    {
        QProcessEnvironment environment = desktop.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("HOME"), path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), filePath(QStringLiteral("run")));
        environment.insert(QStringLiteral("TMPDIR"), filePath(QStringLiteral("run")));
        return environment;
    }

private:
    QTemporaryDir m_home;
    bool m_valid = false;
};

} // namespace Lumo::Testing
