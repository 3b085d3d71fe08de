#pragma once

#include "frmkarmiclessionnodisplay.h"
#include "numerologyforms.h"

namespace Ui {
class frmKarmicLessonNumberMain;
}

namespace Lumo {

class frmKarmicLessonNumberMain
    : public NumerologyInputForm<Ui::frmKarmicLessonNumberMain, frmKarmicLessionNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicLessonNumberMain();
};

} // namespace Lumo
