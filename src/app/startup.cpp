#include "startup.h"

#include <QApplication>

namespace Lumo {

int runProgram(QApplication &app)
{
    return app.exec();
}

} // namespace Lumo
