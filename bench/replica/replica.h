#pragma once

// The program's windows as their .ui files alone build them, for the benchmarks' yardstick:
// generated from the same .ui files, with plain QLabels in place of the program's label classes
// (see forms/ beside this file), the same pictures, and no program logic.

#include <QDialog>
#include <QMainWindow>

class QMdiArea;

namespace LumoReplica {

// How the window icon is made from the six icon files.
enum class IconFiles {
    Sized,   // QIcon::addFile with each file's size: a file is read when first drawn
    Unsized, // QIcon::addFile without a size: every file is read at once
    Engine,  // the program's ResourceIconEngine
};
QIcon windowIcon(IconFiles files);

// The main window from its .ui, with the pictures shown.
QMainWindow *newMainWindow();
QMdiArea *workspace(QMainWindow *mainWindow);
// The black welcome panel, which covers the workspace until a form is opened.
QWidget *startPanel(QMainWindow *mainWindow);

// A reading's input and display forms from their .ui files.
QMainWindow *newInputForm(int reading);
QMainWindow *newDisplayForm(int reading);
// The Karmic Astrology report window from its .ui.
QDialog *newReportWindow(QWidget *parent);

} // namespace LumoReplica
