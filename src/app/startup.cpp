#include "startup.h"

#include "appshell.h"
#include "forms/desktop.h"
#include "frmmdi.h"
#include "resourceiconengine.h"
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
    return QIcon(new ResourceIconEngine(QStringLiteral(":/icons/lumofreetessaray-%1.png"),
                                        {16, 32, 48, 64, 128, 256}));
}

void installShell()
{
    static AppShell shell;
    Shell::install(&shell);
}

std::unique_ptr<SingleInstanceLock> startProgram(QApplication &app)
{
    // The program ends when the support dialog is left, not when the main window closes.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(programIcon());

    auto lock = std::make_unique<SingleInstanceLock>(programName());
    if (!lock->tryAcquire()) {
        showInformation(nullptr, QStringLiteral("Application is already running"));
        EndProgram();
        return nullptr;
    }

    installShell();
    UpdateReminder();
    Forms::get<frmMDI>()->showForm();
    return lock;
}

int runProgram(QApplication &app)
{
    const std::unique_ptr<SingleInstanceLock> lock = startProgram(app);
    if (!lock)
        return 0;
    return app.exec();
}

} // namespace Lumo
