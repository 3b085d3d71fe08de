#pragma once

#include "numerologyforms.h"
#include "ui_frmkarmiclessionnodisplay.h"

namespace Lumo {

class frmKarmicLessionNoDisplay : public NumerologyDisplayForm<Ui::frmKarmicLessionNoDisplay>
{
    Q_OBJECT

protected:
    Form *inputForm() override;
};

} // namespace Lumo
