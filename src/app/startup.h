#pragma once

#include <QString>

class QApplication;
class QIcon;

namespace Lumo {

// Runs the program: the single-copy check, the update reminder, then the main window.
int runProgram(QApplication &app);

// The executable's base name: the name of the settings and of the single-copy lock.
QString programName();

// The program's icon, in every size it is drawn in.
QIcon programIcon();

// Makes the main window serve the forms (workspace, start panel, About box, update reminder).
void installShell();

} // namespace Lumo
