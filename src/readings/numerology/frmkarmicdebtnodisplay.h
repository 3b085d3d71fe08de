#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmicdebtnodisplay.h"

namespace Lumo {

class frmKarmicDebtNoDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicDebtNoDisplay();

    void cmdprint_Click();

    Ui::frmKarmicDebtNoDisplay ui;

protected:
    Form *inputForm() override;
};

} // namespace Lumo
