#include "app/startup.h"
#include "common/filenames.h"

#include <QApplication>

#include <string_view>

namespace {

// True when the command line only asks for the help or the version text.
bool asksForTextOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (argument == option)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // The help and the version are printed on the terminal and need no display, so they are
    // answered before the widgets' application connects to one; the parser ends the program.
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        Lumo::setProgramIdentity();
        Lumo::processCommandLine(Lumo::programArguments(argc, argv));
    }
    QApplication app(argc, argv);
    // argc and argv now hold what QApplication left: the program's own arguments.
    return Lumo::runProgram(app, Lumo::programArguments(argc, argv));
}
