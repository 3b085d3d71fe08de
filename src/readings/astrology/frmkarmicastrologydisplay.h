#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmicastrologydisplay.h"

namespace Lumo {

class frmKarmicAstrologyDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyDisplay();

    Ui::frmKarmicAstrologyDisplay ui;

protected:
    Form *inputForm() override;
};

} // namespace Lumo
