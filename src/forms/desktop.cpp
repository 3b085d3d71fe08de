#include "desktop.h"

#include "common/names.h"
#include "common/vendorpages.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <utility>

namespace Lumo {

namespace {

Desktop *installedDesktop = nullptr;

const QString LastFolderKey = QStringLiteral("Settings/LastFolder");

// The folder of the last file chosen, else Documents, else the home folder: always one that
// exists, so the name suggested in it can be saved as it stands.
QString fileDialogFolder()
{
    const QString last = QSettings().value(LastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

// The settings file is written again only when the folder is another one: a file opened from the
// same folder as the last one costs no write to the disk.
QString rememberFolder(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return chosenFile;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    QSettings settings;
    if (settings.value(LastFolderKey).toString() != folder)
        settings.setValue(LastFolderKey, folder);
    return chosenFile;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// How long xdg-open has to give its verdict. A browser it starts in the foreground keeps it
// running; by then it has found something to open the address with.
constexpr int OpenerVerdictMs = 3000;

// Qt hands an address to xdg-open without waiting, so it reports success even when nothing can
// open the address. xdg-open itself exits with an error then: its exit status is the verdict,
// given when it ends, or as success once it has run for OpenerVerdictMs. The program goes on
// meanwhile.
void openWithXdgOpen(const QString &opener, const QUrl &url,
                     std::function<void(bool opened)> verdict)
{
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // Given once, by whichever comes first: the exit, a failed start or the time limit.
    auto pending = std::make_shared<std::function<void(bool)>>(std::move(verdict));
    const auto give = [pending](bool opened) {
        if (const auto answer = std::exchange(*pending, nullptr))
            answer(opened);
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, give](int exitCode, QProcess::ExitStatus exitStatus) {
                         give(exitStatus == QProcess::NormalExit && exitCode == 0);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, give](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         give(false);
                         process->deleteLater();
                     });
    QTimer::singleShot(OpenerVerdictMs, process, [give] { give(true); });
    // Should the program end first, xdg-open may still hand the address on (within the time its
    // verdict had) rather than be killed on the way out; its verdict is no longer wanted.
    const QDeadlineTimer deadline(OpenerVerdictMs);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                     [process, pending, deadline] {
                         *pending = nullptr;
                         process->waitForFinished(int(deadline.remainingTime()));
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}
#endif

} // namespace

Desktop &Desktop::instance()
{
    static SystemDesktop systemDesktop;
    return installedDesktop ? *installedDesktop : systemDesktop;
}

void Desktop::install(Desktop *desktop)
{
    installedDesktop = desktop;
}

QMessageBox::StandardButton SystemDesktop::message(QWidget *parent, const QString &text,
                                                   QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, AppTitle, text, buttons, parent);
    // The user can copy what a message says, a web address for instance.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return QMessageBox::StandardButton(box.exec());
}

static QString runFileDialog(QWidget *parent, const FileDialogRequest &request,
                             QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(QDir(request.folder).filePath(request.suggestedName));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOptions(request.options);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString SystemDesktop::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString SystemDesktop::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

bool SystemDesktop::choosePrinter(QWidget *parent, QPrinter &printer,
                                  QAbstractPrintDialog::PrintDialogOptions options,
                                  QAbstractPrintDialog::PrintRange range)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(options);
    dialog.setPrintRange(range);
    return dialog.exec() == QDialog::Accepted;
}

void SystemDesktop::openUrl(const QUrl &url, std::function<void(bool opened)> verdict)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        openWithXdgOpen(opener, url, std::move(verdict));
        return;
    }
#endif
    verdict(QDesktopServices::openUrl(url));
}

QDate SystemDesktop::today()
{
    return QDate::currentDate();
}

QString askOpenFileName(QWidget *parent, FileDialogRequest request)
{
    request.folder = fileDialogFolder();
    return rememberFolder(Desktop::instance().openFileName(parent, request));
}

QString askSaveFileName(QWidget *parent, FileDialogRequest request)
{
    request.folder = fileDialogFolder();
    return rememberFolder(Desktop::instance().saveFileName(parent, request));
}

void showInformation(QWidget *parent, const QString &text)
{
    Desktop::instance().message(parent, text, QMessageBox::Information, QMessageBox::Ok);
}

void showCritical(QWidget *parent, const QString &text)
{
    Desktop::instance().message(parent, text, QMessageBox::Critical, QMessageBox::Ok);
}

void openWebPage(const QUrl &url, QWidget *asker)
{
    Desktop::instance().openUrl(url, [url, asker = QPointer<QWidget>(asker)](bool opened) {
        if (opened)
            return;
        QWidget *over = asker ? asker->window() : QApplication::activeWindow();
        showInformation(over, QStringLiteral("No web browser could be opened for this page. You "
                                             "can visit it by typing its address into your "
                                             "browser:") +
                                  CrLf + CrLf + url.toString());
    });
}

void OpenVendorPage(const QString &pageKey, QWidget *asker)
{
    openWebPage(vendorPageUrl(pageKey), asker);
}

} // namespace Lumo
