#pragma once

#include "singleinstance.h"

#include <QString>

#include <memory>

class QApplication;
class QIcon;

namespace Lumo {

// Runs the program: the single-copy check, the update reminder, then the main window.
int runProgram(QApplication &app);

// Everything runProgram does before the event loop: the single-copy check, the update reminder
// and the main window shown. Returns the lock that marks this copy as running, to be held while
// it runs, or null when another copy runs (the user has been told and the program ended).
std::unique_ptr<SingleInstanceLock> startProgram(QApplication &app);

// The executable's base name: the name of the settings and of the single-copy lock.
QString programName();

// The program's icon, in every size it is drawn in.
QIcon programIcon();

// Makes the main window serve the forms (workspace, start panel, About box, update reminder).
void installShell();

} // namespace Lumo
