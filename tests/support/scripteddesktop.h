#pragma once

#include "forms/desktop.h"

#include <QList>
#include <QPointer>
#include <QPrinter>
#include <QQueue>
#include <functional>

namespace Lumo::Testing {

// A desktop whose dialogs are answered by the test and which records what the program showed
// and opened. Installed for the lifetime of the object.
class ScriptedDesktop : public Desktop
{
public:
    struct Message
    {
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QPointer<QWidget> parent; // the window the box would show above
    };

    ScriptedDesktop() { Desktop::install(this); }
    ~ScriptedDesktop() override { Desktop::install(nullptr); }

    QList<Message> messages;
    QQueue<QMessageBox::StandardButton> answers; // an empty queue answers Ok (or No)
    QList<QUrl> openedUrls;
    bool browserOpens = true;  // false: opening an address fails
    QQueue<QString> fileNames; // an empty queue cancels the dialog
    QList<FileDialogRequest> fileRequests;
    // Sets up the printer (say, to print into a PDF file); null cancels the print dialog.
    std::function<void(QPrinter &)> printerSetup;
    QAbstractPrintDialog::PrintDialogOptions printOptions;
    QAbstractPrintDialog::PrintRange printRange = QAbstractPrintDialog::AllPages;
    int printDialogs = 0;
    QDate todayDate = QDate(2026, 1, 15);
    // Runs while a message box is "open", e.g. to look at the focus.
    std::function<void(const Message &)> onMessage;

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message &m : messages)
            texts.append(m.text);
        return texts;
    }
    // The first line of each message, where a message that names a file says what went wrong.
    QStringList messageHeadlines() const
    {
        QStringList headlines;
        for (const Message &m : messages)
            headlines.append(m.text.section(QLatin1Char('\n'), 0, 0));
        return headlines;
    }

    QMessageBox::StandardButton message(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        messages.append({text, icon, buttons, parent});
        if (onMessage)
            onMessage(messages.constLast());
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
    QString openFileName(QWidget *, const FileDialogRequest &request) override
    {
        fileRequests.append(request);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(QWidget *, const FileDialogRequest &request) override
    {
        fileRequests.append(request);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    bool choosePrinter(QWidget *, QPrinter &printer,
                       QAbstractPrintDialog::PrintDialogOptions options,
                       QAbstractPrintDialog::PrintRange range) override
    {
        ++printDialogs;
        printOptions = options;
        printRange = range;
        if (!printerSetup)
            return false;
        printerSetup(printer);
        return true;
    }
    // The verdict comes at once.
    void openUrl(const QUrl &url, std::function<void(bool opened)> verdict) override
    {
        openedUrls.append(url);
        verdict(browserOpens);
    }
    QDate today() override { return todayDate; }
};

} // namespace Lumo::Testing
