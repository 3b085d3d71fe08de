#pragma once

#include "numerologyforms.h"

namespace Ui {
class frmKarmicDebtNoDisplay;
}

namespace Lumo {

class frmKarmicDebtNoDisplay : public NumerologyDisplayForm<Ui::frmKarmicDebtNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicDebtNoDisplay();
};

} // namespace Lumo
