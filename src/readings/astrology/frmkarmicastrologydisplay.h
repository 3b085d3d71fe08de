#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmicastrologydisplay.h"

namespace Lumo {

class frmKarmicAstrologyDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyDisplay();

    // Shows the report of this reading modally over the form.
    void cmdprint_Click();

    Ui::frmKarmicAstrologyDisplay ui;

protected:
    Form *inputForm() override;

private:
    void mnuPrint_Click();
};

} // namespace Lumo
