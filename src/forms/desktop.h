#pragma once

#include <QDate>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QString>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace Lumo {

// What a file dialog asks for: title, filter, default suffix and options, the folder it starts
// in and the file name it suggests.
struct FileDialogRequest
{
    QString title{};
    QString filter{};
    QString defaultSuffix{};
    QFileDialog::Options options{};
    QString folder{};
    QString suggestedName{};
};

// Everything modal or outside the program that a test must be able to answer: message boxes,
// file and print dialogs, the web browser and today's date. The program uses the real Qt
// dialogs; tests install a scripted implementation.
class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual QMessageBox::StandardButton message(QWidget *parent, const QString &text,
                                                QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons) = 0;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // Lets the user set up the printer; false when the dialog is cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer,
                               QAbstractPrintDialog::PrintDialogOptions options,
                               QAbstractPrintDialog::PrintRange range) = 0;
    // Hands the address to the browser (or another handler) and returns at once. The verdict
    // follows, at once or once the system's opener has decided: false when nothing could be
    // started for the address.
    virtual void openUrl(const QUrl &url, std::function<void(bool opened)> verdict) = 0;
    virtual QDate today() = 0;

    static Desktop &instance();
    // Replaces the desktop (tests); null puts the real one back. The caller keeps ownership.
    static void install(Desktop *desktop);
};

// The real desktop: Qt's dialogs, the default browser and the system clock.
class SystemDesktop : public Desktop
{
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer,
                       QAbstractPrintDialog::PrintDialogOptions options,
                       QAbstractPrintDialog::PrintRange range) override;
    void openUrl(const QUrl &url, std::function<void(bool opened)> verdict) override;
    QDate today() override;
};

// Ask for a file to open or to save through the desktop. The dialogs start in the folder of the
// last file chosen in either of them, or in the user's Documents folder the first time (the home
// folder when there is no Documents folder); the folder is kept in the settings.
QString askOpenFileName(QWidget *parent, FileDialogRequest request);
QString askSaveFileName(QWidget *parent, FileDialogRequest request);

// Shorthands for the message boxes of the reading forms: OK button, titled with the program's
// title.
void showInformation(QWidget *parent, const QString &text);
void showCritical(QWidget *parent, const QString &text);

// Opens a web page in the browser, without waiting for it. When none starts, a message box above
// the window of the control that asked (or the active window, should that control be gone by
// then) shows the address, so that the user can visit it by hand.
void openWebPage(const QUrl &url, QWidget *asker);

// Opens VendorPageBase + "ssd.php?page=" + key with openWebPage.
void OpenVendorPage(const QString &pageKey, QWidget *asker);

} // namespace Lumo
