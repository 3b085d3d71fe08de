#include "startup.h"

#include "appshell.h"
#include "forms/desktop.h"
#include "frmmdi.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace Lumo {

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lumofreetessaray-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

void installShell()
{
    static AppShell shell;
    Shell::install(&shell);
}

int runProgram(QApplication &app)
{
    // The program ends when the support dialog is left, not when the main window closes.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(programIcon());

    SingleInstanceLock lock(programName());
    if (!lock.tryAcquire()) {
        showInformation(nullptr, QStringLiteral("Application is already running"));
        EndProgram();
        return 0;
    }

    installShell();
    UpdateReminder();
    Forms::get<frmMDI>()->showForm();
    return app.exec();
}

} // namespace Lumo
