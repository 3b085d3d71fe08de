// The yardstick for the program's start-up and memory: its main window as the .ui file builds it
// (plain labels, the same pictures, the window icon from the same files), shown and exposed.
// --icon=unsized or --icon=engine makes the window icon another way (see replica/replica.h).
#include "replica/replica.h"
#include "startupprobe.h"

#include <QIcon>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    LumoReplica::IconFiles iconFiles = LumoReplica::IconFiles::Sized;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--icon=unsized") == 0)
            iconFiles = LumoReplica::IconFiles::Unsized;
        else if (std::strcmp(argv[i], "--icon=engine") == 0)
            iconFiles = LumoReplica::IconFiles::Engine;
    }
    app.setWindowIcon(LumoReplica::windowIcon(iconFiles));
    const std::unique_ptr<QMainWindow> window(LumoReplica::newMainWindow());
    window->show();
    const int result = LumoBench::runUntilExposed(app, window.get());
    LumoBench::reportPeakRss(argc, argv);
    return result;
}
