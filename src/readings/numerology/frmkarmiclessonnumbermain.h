#pragma once

#include "frmkarmiclessionnodisplay.h"
#include "numerologyforms.h"
#include "ui_frmkarmiclessonnumbermain.h"

namespace Lumo {

class frmKarmicLessonNumberMain
    : public NumerologyInputForm<Ui::frmKarmicLessonNumberMain, frmKarmicLessionNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicLessonNumberMain();
};

} // namespace Lumo
