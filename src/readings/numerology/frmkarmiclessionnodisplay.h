#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmiclessionnodisplay.h"

namespace Lumo {

class frmKarmicLessionNoDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicLessionNoDisplay();

    void cmdprint_Click();

    Ui::frmKarmicLessionNoDisplay ui;

protected:
    Form *inputForm() override;
};

} // namespace Lumo
