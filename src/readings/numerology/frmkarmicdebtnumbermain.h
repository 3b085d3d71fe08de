#pragma once

#include "frmkarmicdebtnodisplay.h"
#include "numerologyforms.h"

namespace Ui {
class frmKarmicDebtNumberMain;
}

namespace Lumo {

class frmKarmicDebtNumberMain
    : public NumerologyInputForm<Ui::frmKarmicDebtNumberMain, frmKarmicDebtNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicDebtNumberMain();
};

} // namespace Lumo
