// The reference for the start-up and memory figures: an empty main window, shown and exposed.
#include "startupprobe.h"

#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    const int result = LumoBench::runUntilExposed(app, &window);
    LumoBench::reportPeakRss(argc, argv);
    return result;
}
