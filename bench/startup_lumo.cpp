// Starts the program as its main does, shows the main window, waits until it is exposed and
// exits: the whole process is timed against startup_empty.
#include "app/frmmdi.h"
#include "app/startup.h"
#include "startupprobe.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Lumo::setProgramIdentity();
    const std::unique_ptr<Lumo::SingleInstance> lock = Lumo::startProgram(app);
    if (!lock)
        return 1;
    Lumo::frmMDI *main = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<Lumo::frmMDI *>(window))
            main = found;
    }
    const int result = LumoBench::runUntilExposed(app, main);
    LumoBench::reportPeakRss(argc, argv);
    return result;
}
