#pragma once

#include "numerologyforms.h"

namespace Ui {
class frmKarmicLessionNoDisplay;
}

namespace Lumo {

class frmKarmicLessionNoDisplay : public NumerologyDisplayForm<Ui::frmKarmicLessionNoDisplay>
{
    Q_OBJECT

public:
    frmKarmicLessionNoDisplay();
};

} // namespace Lumo
