#pragma once

#include <QDate>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QString>
#include <QUrl>

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
    // False when no browser (or other handler) could be started for the address.
    virtual bool openUrl(const QUrl &url) = 0;
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
    bool openUrl(const QUrl &url) override;
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

// Opens a web page in the browser. When none starts, a message box shows the address so that the
// user can visit it by hand.
void openWebPage(const QUrl &url);

// Opens VendorPageBase + "ssd.php?page=" + key with openWebPage.
void OpenVendorPage(const QString &pageKey);

} // namespace Lumo
