#pragma once

#include "singleinstance.h"

#include <QString>
#include <QStringList>

#include <memory>

class QApplication;
class QIcon;

namespace Lumo {

// Runs the program: its identity, the command line (the application's arguments, with file names
// as the system gave them: programArguments), the single-copy check, the update reminder, the
// main window and the file named on the command line.
int runProgram(QApplication &app, const QStringList &arguments);

// Gives the application object the program's name (as the organization's name too, so the
// settings live in <configuration folder>/LumoFreeTessaray/LumoFreeTessaray.conf), its version
// and the desktop entry's id, by which window systems match its windows to the menu entry.
void setProgramIdentity();

// Reads the command line (the application's arguments). --help and --version print their text
// and end the program, an unknown option prints Qt's error and ends it with status 1. Returns the
// file named on it as an absolute path (also when it was named by a file: address), the address
// itself when it names a file on another computer, or an empty text.
QString processCommandLine(const QStringList &arguments);

// Everything runProgram does before the event loop. When another copy runs, hands the file (or
// just the request to come forward) to it and returns null: with a file this copy shows nothing
// unless the running copy refused the file or does not answer, without one it says "Application
// is already running"; the program has ended. When the running copy has died meanwhile, this copy
// becomes the running copy. Otherwise returns the running copy's single-instance object, to be
// held while it runs: it takes later copies' requests. exitStatus receives what the program ends
// with when null is returned. The main window is shown and the file, if any, opened in it.
std::unique_ptr<SingleInstance>
startProgram(QApplication &app, const QString &fileToOpen = QString(), int *exitStatus = nullptr);

// The application's name: the name of the single-copy lock and socket.
QString programName();

// The program's icon, in every size it is drawn in.
QIcon programIcon();

} // namespace Lumo
