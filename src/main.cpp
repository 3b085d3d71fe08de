#include "app/startup.h"
#include "common/filenames.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // argc and argv now hold what QApplication left: the program's own arguments.
    return Lumo::runProgram(app, Lumo::programArguments(argc, argv));
}
