// Test helper: runs the program as its main does, on a desktop that answers every message box
// with OK and prints its text on standard output as "message: TEXT".
#include "app/startup.h"
#include "support/scripteddesktop.h"

#include <QApplication>

#include <cstdio>

namespace {
class PrintingDesktop : public Lumo::Testing::ScriptedDesktop
{
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        std::fflush(stdout);
        return ScriptedDesktop::message(parent, text, icon, buttons);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrintingDesktop desktop;
    return Lumo::runProgram(app);
}
