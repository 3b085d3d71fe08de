#include "startup.h"

#include "common/buildconfig.h"
#include "common/filenames.h"
#include "forms/desktop.h"
#include "frmmdi.h"
#include "frmnagscreen2.h"
#include "readings/astrology/karfile.h"
#include "resourceiconengine.h"
#include "settingsfile.h"
#include "updatereminder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QIcon>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace Lumo {

namespace {

void bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Serves what later copies ask of the running one: come forward, and open a file. While a modal
// window is open, its caller is still waiting on the stack, so the file waits until it closes.
class LaterCopyRequests : public QObject
{
public:
    explicit LaterCopyRequests(QObject *parent) : QObject(parent)
    {
        m_retry.setSingleShot(true);
        m_retry.setInterval(250);
        connect(&m_retry, &QTimer::timeout, this, &LaterCopyRequests::serve);
    }

    void setMainWindow(frmMDI *main) { m_mainWindow = main; }

    void request(const QString &filePath)
    {
        if (!filePath.isEmpty())
            m_pendingFile = filePath;
        serve();
    }

private:
    void serve()
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            bringForward(modal);
            if (!m_pendingFile.isEmpty())
                m_retry.start();
            return;
        }
        frmMDI *main = m_mainWindow && m_mainWindow->isLoaded() ? m_mainWindow.data() : nullptr;
        if (!main) {
            // The main window has closed and the support dialog ends the program: no more files.
            m_pendingFile.clear();
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (qobject_cast<frmNagScreen2 *>(window) && window->isVisible())
                    bringForward(window);
            }
            return;
        }
        bringForward(main);
        const QString file = std::exchange(m_pendingFile, QString());
        if (!file.isEmpty())
            main->openSavedReading(file);
    }

    QString m_pendingFile;
    QTimer m_retry;
    QPointer<frmMDI> m_mainWindow;
};

} // namespace

void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral(LUMO_PROGRAM_NAME));
    QCoreApplication::setApplicationName(QStringLiteral(LUMO_PROGRAM_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMO_PROGRAM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMO_DESKTOP_ID));
}

QString processCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Karmic astrology and numerology readings from a name and a date of "
                       "birth."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A saved Karmic Astrology reading (.kar) to open."),
                                 QStringLiteral("[file]"));
    parser.process(arguments);

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || files.constFirst().isEmpty())
        return QString();
    // A file manager may pass a file: address instead of a path. The address of a file on another
    // computer is kept as it is, to be refused by that address when it is opened.
    const QString argument = files.constFirst();
    if (!remoteFileHost(argument).isEmpty())
        return argument;
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? localFileFromUrl(url) : argument;
    // Joined as text: QFileInfo would pass the name through QFile::encodeName, which loses the
    // bytes of a name that is not UTF-8.
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString programName()
{
    return QCoreApplication::applicationName();
}

QIcon programIcon()
{
    return QIcon(new ResourceIconEngine(QStringLiteral(":/icons/lumofreetessaray-%1.png"),
                                        {16, 32, 48, 64, 128, 256}));
}

namespace {
// How long a later copy keeps trying to reach a running copy, or to become the running copy
// itself when the one it found has died, before it tells the user.
constexpr int HandOverMilliseconds = 10000;

QString notAnsweringMessage(const QString &filePath)
{
    QString text = QStringLiteral("The program is already running but does not answer.");
    if (!filePath.isEmpty())
        text += QStringLiteral("\nThis file could not be handed to it: ") +
                QDir::toNativeSeparators(filePath);
    return text;
}

// In a later copy: hands the file to the running copy and tells the user what came of it.
// False when this copy should become the running copy after all, because the one it found has
// ended. Sets exitStatus to what this later copy ends with.
bool handOverToRunningCopy(SingleInstance &instance, const QString &fileToOpen, int *exitStatus)
{
    const QDeadlineTimer deadline(HandOverMilliseconds);
    for (;;) {
        switch (instance.handOver(fileToOpen, deadline)) {
        case SingleInstance::HandOver::Accepted:
            // The running copy comes forward and opens the file; only without a file is the
            // user told that it runs.
            if (fileToOpen.isEmpty())
                showInformation(nullptr, QStringLiteral("Application is already running"));
            *exitStatus = 0;
            return true;
        case SingleInstance::HandOver::Refused:
            // Said here, once: the running copy has not opened it and the user is looking at
            // what they just started.
            showCritical(nullptr, savedReadingRefusalMessage(fileToOpen, instance.refusal()));
            *exitStatus = 0;
            return true;
        case SingleInstance::HandOver::NoAnswer:
            showCritical(nullptr, notAnsweringMessage(fileToOpen));
            *exitStatus = 1;
            return true;
        case SingleInstance::HandOver::NoRunningCopy:
            if (instance.tryAcquire())
                return false;
            if (deadline.hasExpired()) {
                showCritical(nullptr, notAnsweringMessage(fileToOpen));
                *exitStatus = 1;
                return true;
            }
            // The running copy has died or a new one is starting: try again shortly.
            QThread::msleep(50);
            break;
        }
    }
}
} // namespace

std::unique_ptr<SingleInstance> startProgram(QApplication &app, const QString &fileToOpen,
                                             int *exitStatus)
{
    int status = 0;
    if (!exitStatus)
        exitStatus = &status;
    *exitStatus = 0;
    // The program ends when the support dialog is left, not when the main window closes.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(programIcon());

    auto instance = std::make_unique<SingleInstance>(programName());
    if (!instance->hasPrivateFolder()) {
        // Elsewhere other users could take the lock or the socket: do not start at all.
        showCritical(nullptr, QStringLiteral("The program cannot start: there is no folder that "
                                             "only you can use for its lock."));
        *exitStatus = 1;
        EndProgram();
        return nullptr;
    }
    if (!instance->tryAcquire() && handOverToRunningCopy(*instance, fileToOpen, exitStatus)) {
        EndProgram();
        return nullptr;
    }
    instance->setFileCheck([](const QString &path) {
        const SavedReadingFile saved = readSavedReading(path);
        return saved.fields ? QString() : saved.refusal;
    });
    // Queued: a request arrives in the middle of the socket's handling and may open message boxes.
    auto *requests = new LaterCopyRequests(instance.get());
    QObject::connect(instance.get(), &SingleInstance::activationRequested, requests,
                     &LaterCopyRequests::request, Qt::QueuedConnection);

    // Before the settings are first read.
    checkSettingsFiles();
    UpdateReminder();
    auto *main = new frmMDI;
    main->open();
    requests->setMainWindow(main);
    main->showForm();
    if (!fileToOpen.isEmpty())
        main->openSavedReading(fileToOpen);
    return instance;
}

int runProgram(QApplication &app, const QStringList &arguments)
{
    setProgramIdentity();
    const QString fileToOpen = processCommandLine(arguments);
    int exitStatus = 0;
    const std::unique_ptr<SingleInstance> instance = startProgram(app, fileToOpen, &exitStatus);
    if (!instance)
        return exitStatus;
    return app.exec();
}

} // namespace Lumo
