#include "desktop.h"

#include "common/names.h"
#include "common/vendorpages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

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

QString rememberFolder(const QString &chosenFile)
{
    if (!chosenFile.isEmpty())
        QSettings().setValue(LastFolderKey, QFileInfo(chosenFile).absolutePath());
    return chosenFile;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// How long to wait for xdg-open's verdict. A browser it starts in the foreground keeps it
// running; by then it has found something to open the address with.
constexpr int OpenerVerdictMs = 3000;

// Qt hands an address to xdg-open without waiting, so it reports success even when nothing can
// open the address. xdg-open itself exits with an error then: wait (painting, but taking no
// input) for its exit status. Empty when there is no xdg-open.
std::optional<bool> openWithXdgOpen(const QUrl &url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return std::nullopt;
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    QEventLoop verdict;
    QTimer::singleShot(OpenerVerdictMs, &verdict, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, &verdict, &QEventLoop::quit);
    verdict.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
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

bool SystemDesktop::openUrl(const QUrl &url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (const std::optional<bool> opened = openWithXdgOpen(url))
        return *opened;
#endif
    return QDesktopServices::openUrl(url);
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

void openWebPage(const QUrl &url)
{
    if (Desktop::instance().openUrl(url))
        return;
    showInformation(nullptr, QStringLiteral("No web browser could be opened for this page. You can "
                                            "visit it by typing its address into your browser:") +
                                 CrLf + CrLf + url.toString());
}

void OpenVendorPage(const QString &pageKey)
{
    openWebPage(vendorPageUrl(pageKey));
}

} // namespace Lumo
