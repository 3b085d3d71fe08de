#pragma once

#include "numerologyforms.h"
#include "ui_frmkarmicdebtnodisplay.h"

namespace Lumo {

class frmKarmicDebtNoDisplay : public NumerologyDisplayForm<Ui::frmKarmicDebtNoDisplay>
{
    Q_OBJECT

protected:
    Form *inputForm() override;
};

} // namespace Lumo
