// A second reference, to tell the cost of drawing any text from the cost of the program: a main
// window holding a single one-word label, shown and exposed.
#include "startupprobe.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.show();
    const int result = LumoBench::runUntilExposed(app, &window);
    LumoBench::reportPeakRss(argc, argv);
    return result;
}
