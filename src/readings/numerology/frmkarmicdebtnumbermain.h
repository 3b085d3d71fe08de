#pragma once

#include "frmkarmicdebtnodisplay.h"
#include "numerologyforms.h"
#include "ui_frmkarmicdebtnumbermain.h"

namespace Lumo {

class frmKarmicDebtNumberMain
    : public NumerologyInputForm<Ui::frmKarmicDebtNumberMain, frmKarmicDebtNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicDebtNumberMain();
};

} // namespace Lumo
