#pragma once

class QApplication;

namespace Lumo {

// Runs the program: the single-copy check, the update reminder, then the main window.
int runProgram(QApplication &app);

} // namespace Lumo
