#include "startup.h"

#include "appshell.h"
#include "forms/desktop.h"
#include "frmmdi.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QFileInfo>

namespace Lumo {

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
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
